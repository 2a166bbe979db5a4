#include "xmldecoding_p.h"

#include "qtcompat_p.h"

namespace DALXmlDecoding {

namespace {

// The encoding told by the first bytes: a byte-order mark, or "<" in a
// Unicode encoding without one; UTF-8 otherwise.
QByteArray initialEncoding(QByteArray const &data)
{
    const auto at = [&data](int i) { return static_cast<uchar>(data.at(i)); };
    if (data.size() >= 4) {
        if ((at(0) == 0 && at(1) == 0 && at(2) == 0xfe && at(3) == 0xff)
            || (at(0) == 0xff && at(1) == 0xfe && at(2) == 0 && at(3) == 0))
            return QByteArrayLiteral("UTF-32");
        if (at(0) == '<' && at(1) == 0 && at(2) == 0 && at(3) == 0)
            return QByteArrayLiteral("UTF-32LE");
        if (at(0) == 0 && at(1) == 0 && at(2) == 0 && at(3) == '<')
            return QByteArrayLiteral("UTF-32BE");
    }
    if (data.size() >= 2) {
        if ((at(0) == 0xfe && at(1) == 0xff) || (at(0) == 0xff && at(1) == 0xfe))
            return QByteArrayLiteral("UTF-16");
        if (at(0) == '<' && at(1) == 0)
            return QByteArrayLiteral("UTF-16LE");
        if (at(0) == 0 && at(1) == '<')
            return QByteArrayLiteral("UTF-16BE");
    }
    return QByteArrayLiteral("UTF-8");
}

// A byte-order mark is no part of the document, whichever decoder kept it.
QString withoutByteOrderMark(QString text)
{
    if (text.startsWith(QChar(0xfeff)))
        text.remove(0, 1);
    return text;
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
    const QByteArray initial = initialEncoding(data);
    bool known = false;
    QString text = withoutByteOrderMark(DALQtCompat::decode(data, initial, &known));

    const QByteArray declared = declaredEncoding(text).toLatin1();
    if (declared.isEmpty())
        return text;
    const QByteArray canonical = DALQtCompat::canonicalName(declared);
    if (canonical.isEmpty() || canonical == DALQtCompat::canonicalName(initial))
        return text;
    text.clear(); // two decoded copies of a large file are never held at once
    return withoutByteOrderMark(DALQtCompat::decode(data, declared, &known));
}

} // namespace DALXmlDecoding
