#include "documentread_p.h"

#include "DALCommon.h"
#include "domutil_p.h"
#include "elementtree_p.h"
#include "messages_p.h"
#include "report_p.h"
#include "xmldecoding_p.h"
#include "xmllimits_p.h"
#include "xmlparser_p.h"

#include <QFile>

#include <algorithm>
#include <limits>

namespace {

// Steps a read may take per node of its document, on top of a fixed
// allowance. The sample and generated trees need at most about 21.
constexpr qint64 kStepsPerNode = 32;
constexpr qint64 kStepAllowance = 4 << 20;

DocumentRead *s_current = nullptr;

} // namespace

// The loader counted the nodes of the file it read; a host's document is counted here.
DocumentRead::DocumentRead(QDomNode const &)
    : m_left(kStepsPerNode * DALXmlParser::lastLoadedFile().nodes + kStepAllowance)
    , m_name(DALXmlParser::lastLoadedFile().named)
    , m_file(DALXmlParser::lastLoadedFile().real)
    , m_fromFile(true)
    , m_outer(s_current)
{
    s_current = this;
}

DocumentRead::DocumentRead(DALElementTree const &)
    : DocumentRead(QDomNode())
{
}

DocumentRead::DocumentRead(QDomNode const &document, QString const &name)
    : m_left(kStepsPerNode * DALDom::countBelow(document, std::numeric_limits<qint64>::max()) + kStepAllowance)
    , m_name(name)
    , m_file(name)
    , m_fromFile(false)
    , m_outer(s_current)
{
    s_current = this;
}

DocumentRead::~DocumentRead()
{
    s_current = m_outer;
}

DocumentRead *DocumentRead::current()
{
    return s_current;
}

template <typename Node>
bool DocumentRead::chargeAt(qint64 cost, Node const &node)
{
    DocumentRead *read = s_current;
    if (!read)
        return true;
    if (read->m_left < 0)
        return false;
    read->m_left -= cost;
    if (read->m_left >= 0)
        return true;
    // Recorded when it happens, before whatever the cut-short read reports.
    int line = 0;
    int column = 0;
    read->positionOf(node, QString(), &line, &column);
    DALReport::locate(read->m_file, line, column);
    DALCommon::setError(DALErrorCode::XmlParseFailed,
                        DALMessages::parseFailure(read->m_name, std::max(line, 1),
                                                  QStringLiteral("Reading the document takes too many steps: "
                                                                 "elements that collect what lies below them are "
                                                                 "nested in each other too often.")));
    return false;
}

bool DocumentRead::charge(qint64 cost, QDomNode const &node)
{
    return chargeAt(cost, node);
}

bool DocumentRead::charge(qint64 cost, DALTreeElement const &node)
{
    return chargeAt(cost, node);
}

bool DocumentRead::loadSource() const
{
    if (!m_sourceLoaded) {
        m_sourceLoaded = true;
        QFile file(m_file);
        if (m_fromFile && file.open(QIODevice::ReadOnly))
            m_source = DALXmlDecoding::decode(file.read(DALXmlLimits::kMaxFileSize));
        m_lineStarts.append(0);
        for (int i = 0; i < m_source.size(); ++i) {
            if (m_source.at(i) == QLatin1Char('\n'))
                m_lineStarts.append(i + 1);
        }
    }
    return !m_source.isEmpty();
}

void DocumentRead::positionOf(QDomNode const &node, QString const &attribute, int *line, int *column) const
{
    QDomNode element = node;
    while (!element.isNull() && !element.isElement())
        element = element.parentNode();
    if (element.isNull()) {
        *line = 0;
        *column = 0;
        return;
    }
    positionAt(element.lineNumber(), element.columnNumber(), attribute, line, column);
}

void DocumentRead::positionOf(DALTreeElement const &node, QString const &attribute, int *line, int *column) const
{
    if (!node.isElement()) {
        *line = 0;
        *column = 0;
        return;
    }
    positionAt(node.lineNumber(), node.columnNumber(), attribute, line, column);
}

void DocumentRead::positionAt(int elementLine, int elementColumn, QString const &attribute, int *line,
                              int *column) const
{
    *line = 0;
    *column = 0;
    if (elementLine <= 0)
        return;
    if (!loadSource() || elementLine > m_lineStarts.size()) {
        *line = elementLine; // a host's document: its parser's line only
        return;
    }
    // The parser places an element where its start tag ends; the tag begins
    // at the last "<" before that (attribute values cannot hold one).
    const int end = std::min<int>(m_lineStarts.at(elementLine - 1) + std::max(elementColumn, 1) - 1,
                                  m_source.size() - 1);
    int at = m_source.lastIndexOf(QLatin1Char('<'), end);
    if (at < 0)
        return;
    if (!attribute.isEmpty()) {
        // The attribute's name, behind white space and before "=", inside the tag.
        for (int i = at + 1; i < m_source.size() && m_source.at(i) != QLatin1Char('>'); ++i) {
            const QChar c = m_source.at(i);
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                i = m_source.indexOf(c, i + 1);
                if (i < 0)
                    break;
                continue;
            }
            if (c.isSpace() && QStringView(m_source).mid(i + 1, attribute.size()) == attribute) {
                int after = i + 1 + attribute.size();
                while (after < m_source.size() && m_source.at(after).isSpace())
                    ++after;
                if (after < m_source.size() && m_source.at(after) == QLatin1Char('=')) {
                    at = i + 1;
                    break;
                }
            }
        }
    }
    const auto lineStart = std::upper_bound(m_lineStarts.constBegin(), m_lineStarts.constEnd(), at) - 1;
    *line = int(lineStart - m_lineStarts.constBegin()) + 1;
    *column = at - *lineStart + 1;
}
