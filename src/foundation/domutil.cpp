#include "domutil_p.h"

#include "documentread_p.h"
#include "readscope_p.h"

#include <QDomDocument>

#include <algorithm>
#include <limits>

namespace DALDom {

namespace {

// An element handed to the reader counts as several steps, for the record it
// becomes.
constexpr qint64 kStepsPerResult = 8;
// Accesses a reader makes to a node list per item (count, then item).
constexpr qint64 kAccessesPerResult = 3;
// Walks charge their steps in batches of this many.
constexpr qint64 kChargeBatch = 256;

// The node after current in a pre-order walk of the nodes below root, without
// recursion (deep documents are safe); null when the walk is over.
QDomNode nextBelow(QDomNode current, QDomNode const &root)
{
    if (current.hasChildNodes())
        return current.firstChild();
    while (current.nextSibling().isNull()) {
        current = current.parentNode();
        if (current.isNull() || current == root)
            return QDomNode();
    }
    return current.nextSibling();
}

// Charges the walk Qt makes below node; false when the read cannot pay it.
bool chargeWalk(QDomNode const &node)
{
    const DocumentRead *read = DocumentRead::current();
    if (!read)
        return true;
    return DocumentRead::charge(countBelow(node, std::max<qint64>(0, read->remaining())), node);
}

} // namespace

qint64 countBelow(QDomNode const &node, qint64 limit)
{
    qint64 count = 0;
    for (QDomNode current = node.firstChild(); !current.isNull() && count <= limit; current = nextBelow(current, node))
        ++count;
    return count;
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
    if (!DocumentRead::charge(list.count() * (kStepsPerResult + kAccessesPerResult * depth), node))
        return QDomNodeList();
    return list;
}

QString text(QDomNode const &element)
{
    return chargeWalk(element) ? element.toElement().text() : QString();
}

QVector<DALTreeElement> elements(DALTreeElement const &node, QString const &tagName)
{
    if (!DocumentRead::charge(node.countBelow(), node))
        return QVector<DALTreeElement>();
    QVector<DALTreeElement> list = node.elementsByTagName(tagName);
    if (!DocumentRead::charge(list.size() * kStepsPerResult, node))
        return QVector<DALTreeElement>();
    return list;
}

QString text(DALTreeElement const &element)
{
    return DocumentRead::charge(element.countBelow(), element) ? element.text() : QString();
}

DALTreeElement firstElementByTagName(DALTreeElement const &node, QString const &tagName)
{
    const DALTreeElement first = node.firstElementByTagName(tagName);
    // The walk stops at the first match, as the DOM's does.
    const qint64 steps = first.isNull() ? node.countBelow() : first.index() - node.index();
    return DocumentRead::charge(steps, node) ? first : DALTreeElement();
}

QDomElement firstElementByTagName(QDomNode const &node, QString const &tagName)
{
    qint64 steps = 0;
    for (QDomNode current = node.firstChild(); !current.isNull(); current = nextBelow(current, node)) {
        if (++steps == kChargeBatch) {
            if (!DocumentRead::charge(steps, current))
                return QDomElement();
            steps = 0;
        }
        if (current.isElement() && current.nodeName() == tagName)
            return current.toElement();
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
    DocumentRead::charge(m_elements.size(), root);
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
    if (positions == m_positions.constEnd() || !DocumentRead::charge(1, node))
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
    if (!DocumentRead::charge(1 + kStepsPerResult * (last - first), node))
        return result;
    for (auto at = first; at != last; ++at)
        result.append(m_elements.at(*at));
    return result;
}

QDomElement firstBelow(QDomNode const &node, QString const &tagName)
{
    const ElementIndex *index = ReadScope<const ElementIndex>::current();
    return index ? index->first(node, tagName) : firstElementByTagName(node, tagName);
}

QList<QDomElement> allBelow(QDomNode const &node, QString const &tagName)
{
    const ElementIndex *index = ReadScope<const ElementIndex>::current();
    return index ? index->all(node, tagName) : ElementIndex(node).all(node, tagName);
}

} // namespace DALDom
