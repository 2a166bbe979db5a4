#include "valuecheck.h"

#include "finding.h"

#include <QVector>

#include <algorithm>

using Vocabulary::Type;

namespace {

// A flag read one way when its plain meaning is another (or unclear).
QString flagProblem(QString const &text, bool readsYes)
{
    const QString plain = text.trimmed().toLower();
    const bool meansYes
        = plain == QLatin1String("yes") || plain == QLatin1String("true") || plain == QLatin1String("1");
    const bool meansNo = plain == QLatin1String("no") || plain == QLatin1String("false") || plain == QLatin1String("0");
    if ((meansYes && readsYes) || (meansNo && !readsYes))
        return QString();
    return QStringLiteral("holds %1, which reads as %2; write yes or no")
        .arg(quoted(text), readsYes ? QStringLiteral("yes") : QStringLiteral("no"));
}

QString rangeProblem(QString const &text, qlonglong value, qlonglong largest, qlonglong readAs)
{
    if (value >= 0 && value <= largest)
        return QString();
    return QStringLiteral("holds %1, outside 0 to %2: it reads as %3").arg(text.trimmed()).arg(largest).arg(readAs);
}

QString indexProblem(QString const &text)
{
    const QStringList parts = text.split(QStringLiteral(".."));
    bool firstOk = false;
    bool lastOk = false;
    const short first = parts.value(0).toShort(&firstOk);
    const short last = parts.value(1).toShort(&lastOk);
    if (parts.size() != 2 || !firstOk || !lastOk)
        return QString(); // invalid: the reader reports it
    const int start = first & 0xFF;
    const int end = last & 0xFF;
    if ((start == first && end == last) || end < start)
        return QString();
    return QStringLiteral("holds %1, outside 0 to 255: it reads as %2..%3").arg(text.trimmed()).arg(start).arg(end);
}

QString byteListProblem(QString const &text)
{
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const short value = part.toShort(&ok);
        if (ok && (value < 0 || value > 255))
            return QStringLiteral("holds %1, outside 0 to 255: it is stored as %2").arg(value).arg(value & 0xFF);
    }
    return QString();
}

QString nameListProblem(QString const &text)
{
    for (const QString &name : text.split(QLatin1Char(','))) {
        if (name.trimmed().isEmpty())
            return QStringLiteral("holds %1, which lists an empty name").arg(quoted(text));
        if (name != name.trimmed())
            return QStringLiteral("holds %1: the name %2 keeps its blanks").arg(quoted(text), quoted(name));
    }
    return QString();
}

QString keywordProblem(Type type, QString const &text, QStringList const &keywords)
{
    for (const QString &keyword : keywords) {
        if (type == Type::Keyword ? text.toUpper().contains(keyword) : text.trimmed().toLower() == keyword)
            return QString();
    }
    if (type == Type::Choice)
        return QStringLiteral("holds %1, not one of %2").arg(quoted(text), keywords.join(QStringLiteral(", ")));
    return QStringLiteral("holds %1, which contains none of %2: it reads as 0 (none)")
        .arg(quoted(text), keywords.join(QStringLiteral(", ")));
}

QString conversionProblem(Type type, int flags, QString const &text)
{
    bool ok = false;
    const bool reported = flags & Vocabulary::ReaderValue;
    switch (type) {
    case Type::Integer:
        text.toInt(&ok);
        return ok || reported ? QString()
                              : QStringLiteral("holds %1, not a decimal integer: it reads as 0").arg(quoted(text));
    case Type::Unsigned8:
    case Type::Unsigned16: {
        const qlonglong value = text.toLongLong(&ok);
        if (!ok)
            return reported ? QString()
                            : QStringLiteral("holds %1, not a decimal number: it reads as 0").arg(quoted(text));
        // The reader converts an 8-bit value as 16 bits, a 16-bit one as 32.
        const qlonglong largest = type == Type::Unsigned8 ? 0xFF : 0xFFFF;
        const qlonglong converted = type == Type::Unsigned8 ? 0xFFFF : 0xFFFFFFFFll;
        if (reported && (value < 0 || value > converted))
            return QString();
        return rangeProblem(text, value, largest, value & largest);
    }
    case Type::Hex16:
    case Type::Hex32: {
        const qulonglong value = text.toULongLong(&ok, 16);
        if (!ok || value > 0xFFFFFFFFull)
            return reported ? QString()
                            : QStringLiteral("holds %1, not a hexadecimal number: it reads as 0").arg(quoted(text));
        if (type == Type::Hex32 || value <= 0xFFFF)
            return QString();
        return QStringLiteral("holds %1, above 0xFFFF: it reads as 0x%2")
            .arg(text.trimmed())
            .arg(value & 0xFFFF, 0, 16);
    }
    case Type::Number:
        text.toDouble(&ok);
        return ok || reported ? QString() : QStringLiteral("holds %1, not a number").arg(quoted(text));
    default:
        return QString();
    }
}

} // namespace

QString valueProblem(Type type, int flags, QString const &text, QStringList const &keywords)
{
    const bool reported = flags & Vocabulary::ReaderValue;
    switch (type) {
    case Type::Name:
    case Type::File:
        return text.trimmed().isEmpty() && !reported ? QStringLiteral("is empty") : QString();
    case Type::IndexRange:
        return indexProblem(text);
    case Type::ByteList:
        return byteListProblem(text);
    case Type::NameList:
        return nameListProblem(text);
    case Type::YesNo:
        return flagProblem(text, !text.toUpper().contains(QLatin1String("NO")));
    case Type::NoFlag:
        return flagProblem(text, text.toUpper() != QLatin1String("NO"));
    case Type::TrueFlag: {
        const QString plain = text.toLower();
        return flagProblem(
            text, plain == QLatin1String("yes") || plain == QLatin1String("true") || plain == QLatin1String("1"));
    }
    case Type::Access:
        if (text.contains(QLatin1Char('w')) && !text.contains(QLatin1Char('W')))
            return QStringLiteral("holds %1, which reads as read-only: only an upper-case W makes it writable")
                .arg(quoted(text));
        return QString();
    case Type::Keyword:
    case Type::Choice:
        return keywordProblem(type, text, keywords);
    default:
        return conversionProblem(type, flags, text);
    }
}

namespace {

// Edits between a and b, a swap of neighbours counting as one.
int distance(QString const &a, QString const &b)
{
    QVector<QVector<int>> d(a.size() + 1, QVector<int>(b.size() + 1));
    for (int i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (int j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        for (int j = 1; j <= b.size(); ++j) {
            const int cost = a.at(i - 1) == b.at(j - 1) ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
            if (i > 1 && j > 1 && a.at(i - 1) == b.at(j - 2) && a.at(i - 2) == b.at(j - 1))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

} // namespace

QString nearMiss(QString const &word, QStringList const &candidates)
{
    QString best;
    int bestDistance = 3;
    const QString lower = word.toLower();
    for (const QString &candidate : candidates) {
        if (candidate == word)
            continue;
        const int d = distance(lower, candidate.toLower());
        if (d < bestDistance && d * 3 <= word.size()) {
            best = candidate;
            bestDistance = d;
        }
    }
    return best;
}

QString didYouMean(QString const &word, QStringList const &candidates, QString const &open, QString const &close)
{
    const QString near = nearMiss(word, candidates);
    return near.isEmpty() ? QString() : QStringLiteral("; did you mean %1%2%3?").arg(open, near, close);
}
