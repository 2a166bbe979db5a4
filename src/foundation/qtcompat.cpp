#include "qtcompat_p.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
#include <QStringDecoder>
#else
#include <QTextCodec>
#endif

namespace DALQtCompat {

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)

void setUtf8(QTextStream &stream)
{
    stream.setEncoding(QStringConverter::Utf8);
}

QString decode(QByteArray const &data, QByteArray const &name, bool *known)
{
    QStringDecoder decoder(name.constData());
    *known = decoder.isValid();
    return *known ? QString(decoder.decode(data)) : QString();
}

QByteArray canonicalName(QByteArray const &name)
{
    const QStringDecoder decoder(name.constData());
    return decoder.isValid() ? QByteArray(decoder.name()).toLower() : QByteArray();
}

#else

void setUtf8(QTextStream &stream)
{
    stream.setCodec("UTF-8");
}

QString decode(QByteArray const &data, QByteArray const &name, bool *known)
{
    QTextCodec *codec = QTextCodec::codecForName(name);
    *known = codec != nullptr;
    if (!codec)
        return QString();
    QTextDecoder decoder(codec); // a fresh decoder: no state carried over between files
    return decoder.toUnicode(data);
}

QByteArray canonicalName(QByteArray const &name)
{
    QTextCodec *codec = QTextCodec::codecForName(name);
    return codec ? codec->name().toLower() : QByteArray();
}

#endif

} // namespace DALQtCompat
