#include "domutil.h"

#include "DALCommon.h"
#include "xmlparser.h"

#include <QDomDocument>

#include <algorithm>
#include <limits>

namespace DALDom {

namespace {

// Steps a read may take per node of its document, on top of a fixed
// allowance; an element handed to the reader counts as several steps, for
// the record it becomes.
constexpr qint64 kStepsPerNode = 32;
constexpr qint64 kStepAllowance = 4 << 20;
constexpr qint64 kStepsPerResult = 8;
// Accesses a reader makes to a node list per item (count, then item).
constexpr qint64 kAccessesPerResult = 3;
// Walks charge their steps in batches of this many.
constexpr qint64 kChargeBatch = 256;

ReadBudget *s_budget = nullptr;

// Nodes strictly below node, counted up to one more than limit.
qint64 countBelow(QDomNode const &node, qint64 limit)
{
    qint64 count = 0;
    QDomNode current = node.firstChild();
    while (!current.isNull() && count <= limit) {
        ++count;
        if (current.hasChildNodes()) {
            current = current.firstChild();
            continue;
        }
        while (current.nextSibling().isNull()) {
            current = current.parentNode();
            if (current.isNull() || current == node)
                return count;
        }
        current = current.nextSibling();
    }
    return count;
}

// Charges the walk Qt makes below node; false when the budget cannot pay it.
bool chargeWalk(QDomNode const &node)
{
    if (!s_budget)
        return true;
    const qint64 left = std::max<qint64>(0, s_budget->remaining());
    return ReadBudget::charge(countBelow(node, left), node);
}

} // namespace

ReadBudget::ReadBudget(QDomNode const &document)
    : ReadBudget(document, DALXmlParser::lastLoadedFile())
{
}

ReadBudget::ReadBudget(QDomNode const &document, QString const &name)
    : m_left(kStepsPerNode * countBelow(document, std::numeric_limits<qint64>::max()) + kStepAllowance)
    , m_path(name)
    , m_outer(s_budget)
{
    s_budget = this;
}

ReadBudget::~ReadBudget()
{
    s_budget = m_outer;
}

bool ReadBudget::charge(qint64 cost, QDomNode const &node)
{
    ReadBudget *budget = s_budget;
    if (!budget)
        return true;
    if (budget->m_left < 0)
        return false;
    budget->m_left -= cost;
    if (budget->m_left >= 0)
        return true;
    // Recorded when it happens, before whatever the cut-short read reports.
    const int line = node.lineNumber() > 0 ? node.lineNumber() : 1;
    DALCommon::setError(2, QStringLiteral("%1, line %2: \n%3")
                               .arg(budget->m_path, QString::number(line),
                                    QStringLiteral("Reading the document takes too many steps: elements that "
                                                   "collect what lies below them are nested in each other too "
                                                   "often.")));
    return false;
}

QDomNodeList elements(QDomNode const &node, QString const &tagName)
{
    if (!chargeWalk(node))
        return QDomNodeList();
    QDomNodeList list = node.isDocument() ? node.toDocument().elementsByTagName(tagName)
                                          : node.toElement().elementsByTagName(tagName);
    // Every access to a Qt node list first finds the list's document, walking
    // up from node: the reader's loop over the list costs its depth per item.
    qint64 depth = 0;
    for (QDomNode up = node.parentNode(); !up.isNull(); up = up.parentNode())
        ++depth;
    if (!ReadBudget::charge(list.count() * (kStepsPerResult + kAccessesPerResult * depth), node))
        return QDomNodeList();
    return list;
}

QString text(QDomNode const &element)
{
    return chargeWalk(element) ? element.toElement().text() : QString();
}

QDomElement firstElementByTagName(QDomNode const &node, QString const &tagName)
{
    // Iterative pre-order walk: no recursion, so deeply nested documents are safe.
    qint64 steps = 0;
    QDomNode current = node.firstChild();
    while (!current.isNull()) {
        if (++steps == kChargeBatch) {
            if (!ReadBudget::charge(steps, current))
                return QDomElement();
            steps = 0;
        }
        if (current.isElement() && current.nodeName() == tagName)
            return current.toElement();
        if (current.hasChildNodes()) {
            current = current.firstChild();
            continue;
        }
        while (current.nextSibling().isNull()) {
            current = current.parentNode();
            if (current.isNull() || current == node)
                return QDomElement();
        }
        current = current.nextSibling();
    }
    return QDomElement();
}

ElementIndex::ElementIndex(QDomNode const &root)
    : m_root(root)
{
    // Pre-order walk; 'open' holds, for every node whose children are being
    // visited, its element position (or -1 for a non-element such as an
    // entity reference), so that each subtree's end is known on the way up.
    QVector<int> open;
    QDomNode current = root.firstChild();
    while (!current.isNull()) {
        int position = -1;
        if (current.isElement()) {
            position = m_elements.size();
            const QDomElement element = current.toElement();
            m_elements.append(element);
            m_subtreeEnd.append(position + 1);
            m_positions[element.tagName()].append(position);
            const QPair<int, int> location(current.lineNumber(), current.columnNumber());
            const auto known = m_byLocation.constFind(location);
            m_byLocation.insert(location, known == m_byLocation.constEnd() ? position : -1);
        }
        if (current.hasChildNodes()) {
            open.append(position);
            current = current.firstChild();
            continue;
        }
        while (current.nextSibling().isNull()) {
            current = current.parentNode();
            if (current.isNull() || current == root || open.isEmpty()) {
                current = QDomNode();
                break;
            }
            const int closed = open.takeLast();
            if (closed >= 0)
                m_subtreeEnd[closed] = m_elements.size();
        }
        if (!current.isNull())
            current = current.nextSibling();
    }
    ReadBudget::charge(m_elements.size(), root);
}

bool ElementIndex::range(QDomNode const &node, int *begin, int *end) const
{
    if (node == m_root) {
        *begin = 0;
        *end = m_elements.size();
        return true;
    }
    if (!node.isElement())
        return false;
    const int position = m_byLocation.value(qMakePair(node.lineNumber(), node.columnNumber()), -1);
    if (position < 0 || m_elements.at(position) != node)
        return false;
    *begin = position + 1;
    *end = m_subtreeEnd.at(position);
    return true;
}

QDomElement ElementIndex::first(QDomNode const &node, QString const &tagName) const
{
    int begin = 0;
    int end = 0;
    if (!range(node, &begin, &end))
        return firstElementByTagName(node, tagName);
    const auto positions = m_positions.constFind(tagName);
    if (positions == m_positions.constEnd() || !ReadBudget::charge(1, node))
        return QDomElement();
    const auto at = std::lower_bound(positions->constBegin(), positions->constEnd(), begin);
    return at != positions->constEnd() && *at < end ? m_elements.at(*at) : QDomElement();
}

QList<QDomElement> ElementIndex::all(QDomNode const &node, QString const &tagName) const
{
    QList<QDomElement> result;
    int begin = 0;
    int end = 0;
    if (!range(node, &begin, &end)) {
        const QDomNodeList list = elements(node, tagName);
        for (int i = 0; i < list.count(); ++i)
            result.append(list.item(i).toElement());
        return result;
    }
    const auto positions = m_positions.constFind(tagName);
    if (positions == m_positions.constEnd())
        return result;
    const auto first = std::lower_bound(positions->constBegin(), positions->constEnd(), begin);
    const auto last = std::lower_bound(first, positions->constEnd(), end);
    if (!ReadBudget::charge(1 + kStepsPerResult * (last - first), node))
        return result;
    for (auto at = first; at != last; ++at)
        result.append(m_elements.at(*at));
    return result;
}

} // namespace DALDom
