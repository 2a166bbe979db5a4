#include "xmllimits.h"

#include <algorithm>
#include <cstring>

namespace DALXmlLimits {

namespace {

// Estimated bytes of Qt's DOM per node, measured on Qt 5.15 (x86-64): an
// element, an attribute (the first of an element also creates its attribute
// map), and any other node (text, comment, processing instruction, CDATA).
// Each character of the document adds its decoded copy and its share of the
// tree's strings.
constexpr qint64 kElementCost = 240;
constexpr qint64 kAttributeCost = 600;
constexpr qint64 kOtherNodeCost = 240;
constexpr qint64 kCharacterCost = 4;

class Scanner
{
public:
    Scanner(QString const &text, qint64 fileSize)
        : m_begin(text.constData())
        , m_end(m_begin + text.size())
        , m_fileSize(fileSize)
        , m_budget(kTreeAllowance + kTreeBytesPerFileByte * fileSize - kCharacterCost * text.size())
    {
    }

    QString run(int *line);

private:
    bool startsWith(const QChar *at, const char *token) const
    {
        const qsizetype length = static_cast<qsizetype>(std::strlen(token));
        if (m_end - at < length)
            return false;
        for (qsizetype i = 0; i < length; ++i) {
            if (at[i].unicode() != static_cast<uchar>(token[i]))
                return false;
        }
        return true;
    }

    // Position just behind the first occurrence of token at or after from, or the end.
    const QChar *skipPast(const QChar *from, const char *token) const
    {
        for (; from < m_end; ++from) {
            if (startsWith(from, token))
                return from + std::strlen(token);
        }
        return m_end;
    }

    const QChar *skipQuoted(const QChar *from) const
    {
        const QChar quote = *from;
        const QChar *close = std::find(from + 1, m_end, quote);
        return close == m_end ? m_end : close + 1;
    }

    const QChar *pastClosingBracket(const QChar *from) const
    {
        const QChar *close = std::find(from, m_end, QLatin1Char('>'));
        return close == m_end ? m_end : close + 1;
    }

    const QChar *startTag(const QChar *p);
    const QChar *doctype(const QChar *p);

    QString fail(const QChar *at, QString const &reason, int *line) const
    {
        *line = 1 + static_cast<int>(std::count(m_begin, at, QLatin1Char('\n')));
        return reason;
    }

    const QChar *const m_begin;
    const QChar *const m_end;
    const qint64 m_fileSize;
    qint64 m_budget;
    int m_depth = 0;
    const QChar *m_entityAt = nullptr; // the first entity declaration found
};

// Reads a start tag from just behind its "<": counts it and its attributes,
// and leaves the depth one deeper unless the tag closes itself.
const QChar *Scanner::startTag(const QChar *p)
{
    ++m_depth;
    qint64 cost = kElementCost;
    for (; p < m_end; ++p) {
        const ushort c = p->unicode();
        if (c == '"' || c == '\'') {
            p = skipQuoted(p) - 1;
        } else if (c == '=') {
            cost += kAttributeCost;
        } else if (c == '>') {
            if (p[-1] == QLatin1Char('/'))
                --m_depth;
            ++p;
            break;
        }
    }
    m_budget -= cost;
    return p;
}

// Reads a document type declaration from just behind its "<!DOCTYPE":
// literals, comments and processing instructions of its internal subset are
// skipped so that a "]" or ">" inside them does not end it early.
const QChar *Scanner::doctype(const QChar *p)
{
    bool inSubset = false;
    while (p < m_end) {
        const ushort c = p->unicode();
        if (c == '"' || c == '\'') {
            p = skipQuoted(p);
        } else if (inSubset && startsWith(p, "<!--")) {
            p = skipPast(p + 4, "-->");
        } else if (inSubset && startsWith(p, "<?")) {
            p = skipPast(p + 2, "?>");
        } else if (inSubset && startsWith(p, "<!ENTITY")) {
            m_entityAt = p;
            return m_end;
        } else if (c == '[') {
            inSubset = true;
            ++p;
        } else if (c == ']') {
            inSubset = false;
            ++p;
        } else if (c == '>' && !inSubset) {
            return p + 1;
        } else {
            ++p;
        }
    }
    return p;
}

QString Scanner::run(int *line)
{
    const QChar *p = m_begin;
    while (p < m_end) {
        const QChar *markup = std::find(p, m_end, QLatin1Char('<'));
        // Text between markup is a node unless it is white space only.
        if (std::any_of(p, markup, [](QChar c) {
                return c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
                       && c != QLatin1Char('\r') && c != QChar(0xfeff);
            }))
            m_budget -= kOtherNodeCost;
        p = markup + 1;
        if (p >= m_end)
            break;
        if (*p == QLatin1Char('/')) {
            --m_depth;
            p = pastClosingBracket(p);
        } else if (*p == QLatin1Char('?')) {
            m_budget -= kOtherNodeCost;
            p = skipPast(p, "?>");
        } else if (startsWith(p, "!--")) {
            m_budget -= kOtherNodeCost;
            p = skipPast(p + 3, "-->");
        } else if (startsWith(p, "![CDATA[")) {
            m_budget -= kOtherNodeCost;
            p = skipPast(p, "]]>");
        } else if (startsWith(p, "!DOCTYPE")) {
            p = doctype(p + 8);
            if (m_entityAt)
                return fail(m_entityAt, QStringLiteral("Entity declarations are not allowed in configuration files."), line);
        } else if (*p == QLatin1Char('!')) {
            p = pastClosingBracket(p);
        } else {
            const QChar *tag = p;
            p = startTag(p);
            if (m_depth > kMaxDepth)
                return fail(tag, QStringLiteral("Elements are nested deeper than %1 levels.").arg(kMaxDepth), line);
        }
        if (m_budget < 0) {
            return fail(std::min(p, m_end),
                        QStringLiteral("The document holds too many elements, attributes and other nodes "
                                       "for a file of %1 bytes.")
                            .arg(m_fileSize),
                        line);
        }
    }
    return QString();
}

} // namespace

QString checkDocument(QString const &text, qint64 fileSize, int *line)
{
    return Scanner(text, fileSize).run(line);
}

} // namespace DALXmlLimits
