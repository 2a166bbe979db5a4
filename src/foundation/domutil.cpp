#include "domutil.h"

#include <QDomDocument>

#include <algorithm>

namespace DALDom {

QDomElement firstElementByTagName(QDomNode const &node, QString const &tagName)
{
    // Iterative pre-order walk: no recursion, so deeply nested documents are safe.
    QDomNode current = node.firstChild();
    while (!current.isNull()) {
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
    if (positions == m_positions.constEnd())
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
        const QDomNodeList list = node.isElement() ? node.toElement().elementsByTagName(tagName)
                                                   : node.toDocument().elementsByTagName(tagName);
        for (int i = 0; i < list.count(); ++i)
            result.append(list.item(i).toElement());
        return result;
    }
    const auto positions = m_positions.constFind(tagName);
    if (positions == m_positions.constEnd())
        return result;
    for (auto at = std::lower_bound(positions->constBegin(), positions->constEnd(), begin);
         at != positions->constEnd() && *at < end; ++at)
        result.append(m_elements.at(*at));
    return result;
}

} // namespace DALDom
