#include "xmldecoding.h"

#include <QTextCodec>

namespace DALXmlDecoding {

namespace {

// IANA MIB numbers of the Unicode encodings told apart by their first bytes.
enum Mib {
    Utf8 = 106,
    Utf16BE = 1013,
    Utf16LE = 1014,
    Utf16 = 1015, // with a byte-order mark
    Utf32 = 1017, // with a byte-order mark
    Utf32BE = 1018,
    Utf32LE = 1019
};

int initialMib(QByteArray const &data)
{
    const auto at = [&data](int i) { return static_cast<uchar>(data.at(i)); };
    if (data.size() >= 4) {
        if ((at(0) == 0 && at(1) == 0 && at(2) == 0xfe && at(3) == 0xff)
            || (at(0) == 0xff && at(1) == 0xfe && at(2) == 0 && at(3) == 0))
            return Utf32;
        if (at(0) == '<' && at(1) == 0 && at(2) == 0 && at(3) == 0)
            return Utf32LE;
        if (at(0) == 0 && at(1) == 0 && at(2) == 0 && at(3) == '<')
            return Utf32BE;
    }
    if (data.size() >= 2) {
        if ((at(0) == 0xfe && at(1) == 0xff) || (at(0) == 0xff && at(1) == 0xfe))
            return Utf16;
        if (at(0) == '<' && at(1) == 0)
            return Utf16LE;
        if (at(0) == 0 && at(1) == '<')
            return Utf16BE;
    }
    return Utf8;
}

QString decodeWith(QTextCodec *codec, QByteArray const &data)
{
    // A fresh decoder per call: no state is carried over between files.
    QTextDecoder decoder(codec);
    return decoder.toUnicode(data);
}

} // namespace

QString declaredEncoding(QString const &text)
{
    if (!text.startsWith(QLatin1String("<?xml")))
        return QString();
    const int end = text.indexOf(QLatin1Char('>'));
    if (end < 0)
        return QString();
    int pos = text.indexOf(QLatin1String("encoding"));
    if (pos < 0 || pos >= end)
        return QString();
    while (pos < end && text.at(pos) != QLatin1Char('"') && text.at(pos) != QLatin1Char('\''))
        ++pos;
    if (pos >= end)
        return QString();
    const int first = ++pos;
    while (pos < end && text.at(pos) != QLatin1Char('"') && text.at(pos) != QLatin1Char('\''))
        ++pos;
    return text.mid(first, pos - first);
}

QString decode(QByteArray const &data)
{
    const int mib = initialMib(data);
    QTextCodec *initial = QTextCodec::codecForMib(mib);
    QString text = decodeWith(initial, data);

    const QString name = declaredEncoding(text);
    if (name.isEmpty())
        return text;
    QTextCodec *declared = QTextCodec::codecForName(name.toLatin1());
    if (!declared || declared->mibEnum() == mib)
        return text;
    text.clear(); // two decoded copies of a large file are never held at once
    return decodeWith(declared, data);
}

} // namespace DALXmlDecoding
