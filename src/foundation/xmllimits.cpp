#include "xmllimits_p.h"

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

    QString run(Position *position);
    qint64 nodes() const { return m_nodes; }

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

    // Accounts for one node other than an element or attribute.
    void otherNode()
    {
        ++m_nodes;
        m_budget -= kOtherNodeCost;
        m_depthSum += m_depth;
    }

    const QChar *startTag(const QChar *p);
    const QChar *doctype(const QChar *p);

    QString fail(const QChar *at, QString const &reason, Position *position) const
    {
        position->line = 1 + static_cast<int>(std::count(m_begin, at, QLatin1Char('\n')));
        const QChar *lineStart = at;
        while (lineStart > m_begin && lineStart[-1] != QLatin1Char('\n'))
            --lineStart;
        position->column = 1 + static_cast<int>(at - lineStart);
        return reason;
    }

    const QChar *const m_begin;
    const QChar *const m_end;
    const qint64 m_fileSize;
    qint64 m_budget;
    int m_depth = 0;
    qint64 m_depthSum = 0; // the depths of all nodes added up
    qint64 m_nodes = 0;
    const QChar *m_entityAt = nullptr; // the first entity declaration found
};

// Reads a start tag from just behind its "<": counts it and its attributes,
// and leaves the depth one deeper unless the tag closes itself.
const QChar *Scanner::startTag(const QChar *p)
{
    ++m_depth;
    qint64 cost = kElementCost;
    qint64 nodes = 1;
    for (; p < m_end; ++p) {
        const ushort c = p->unicode();
        if (c == '"' || c == '\'') {
            p = skipQuoted(p) - 1;
        } else if (c == '=') {
            cost += kAttributeCost;
            ++nodes;
        } else if (c == '>') {
            if (p[-1] == QLatin1Char('/'))
                --m_depth;
            ++p;
            break;
        }
    }
    m_budget -= cost;
    m_nodes += nodes;
    m_depthSum += nodes * m_depth;
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

QString Scanner::run(Position *position)
{
    const QChar *p = m_begin;
    while (p < m_end) {
        const QChar *markup = std::find(p, m_end, QLatin1Char('<'));
        // Text between markup is a node unless it is white space only.
        if (std::any_of(p, markup, [](QChar c) {
                return c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n')
                       && c != QLatin1Char('\r') && c != QChar(0xfeff);
            }))
            otherNode();
        p = markup + 1;
        if (p >= m_end)
            break;
        if (*p == QLatin1Char('/')) {
            --m_depth;
            p = pastClosingBracket(p);
        } else if (*p == QLatin1Char('?')) {
            otherNode();
            p = skipPast(p, "?>");
        } else if (startsWith(p, "!--")) {
            otherNode();
            p = skipPast(p + 3, "-->");
        } else if (startsWith(p, "![CDATA[")) {
            otherNode();
            p = skipPast(p, "]]>");
        } else if (startsWith(p, "!DOCTYPE")) {
            p = doctype(p + 8);
            if (m_entityAt)
                return fail(m_entityAt, QStringLiteral("Entity declarations are not allowed in configuration files."),
                            position);
        } else if (*p == QLatin1Char('!')) {
            p = pastClosingBracket(p);
        } else {
            const QChar *tag = p;
            p = startTag(p);
            if (m_depth > kMaxDepth)
                return fail(tag, QStringLiteral("Elements are nested deeper than %1 levels.").arg(kMaxDepth), position);
        }
        if (m_depthSum > kMaxDepthSum) {
            return fail(std::min(p, m_end),
                        QStringLiteral("Elements are nested too deeply for their number: their depths add up to "
                                       "more than %1.")
                            .arg(kMaxDepthSum),
                        position);
        }
        if (m_budget < 0) {
            return fail(std::min(p, m_end),
                        QStringLiteral("The document holds too many elements, attributes and other nodes "
                                       "for a file of %1 bytes.")
                            .arg(m_fileSize),
                        position);
        }
    }
    return QString();
}

} // namespace

QString checkDocument(QString const &text, qint64 fileSize, Position *position, qint64 *nodes)
{
    Scanner scanner(text, fileSize);
    const QString reason = scanner.run(position);
    *nodes = scanner.nodes();
    return reason;
}

} // namespace DALXmlLimits
