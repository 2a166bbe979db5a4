#ifndef DAL_DOMUTIL_P_H
#define DAL_DOMUTIL_P_H

#include <QDomElement>
#include <QDomNode>
#include <QDomNodeList>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QVector>

#include "elementtree_p.h"

// Small DOM helpers shared by the readers. Internal to the library.
namespace DALDom {

// Nodes strictly below node, counted up to one more than limit.
qint64 countBelow(QDomNode const &node, qint64 limit);

// node.elementsByTagName(tagName), charged to the active DocumentRead; an
// empty list once its allowance is spent.
QDomNodeList elements(QDomNode const &node, QString const &tagName);

// element.text(), charged likewise; empty once the allowance is spent.
QString text(QDomNode const &element);

// The first element named tagName below node (node itself excluded), in
// document order; a null element when there is none. Same answer as
// elementsByTagName(tagName).item(0), without collecting the whole list.
QDomElement firstElementByTagName(QDomNode const &node, QString const &tagName);

// The same three for a DALElementTree, where a walk costs what it visits
// and no more: the size of a subtree is known without walking it.
QVector<DALTreeElement> elements(DALTreeElement const &node, QString const &tagName);
QString text(DALTreeElement const &element);
DALTreeElement firstElementByTagName(DALTreeElement const &node, QString const &tagName);

// The text of the first element named tagName below node (what
// DALCommon::getTextFromTagName reads), for either kind of document.
template <typename Node>
QString textOf(Node const &node, QString const &tagName)
{
    return text(firstElementByTagName(node, tagName));
}

inline DALTreeElement itemAt(QVector<DALTreeElement> const &list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : DALTreeElement();
}

inline bool hasChildElement(DALTreeElement const &node, QString const &tagName)
{
    return !node.firstChildElement(tagName).isNull();
}

// Value of the node's first child, which is the text of an element that
// begins with text; empty when the node has no children.
inline QString firstChildValue(QDomNode const &node)
{
    return node.firstChild().nodeValue();
}

// Item index of list, or a null node when index is outside the list
// (QDomNodeList::item does not accept negative indexes).
inline QDomNode itemAt(QDomNodeList const &list, int index)
{
    return index >= 0 && index < list.count() ? list.item(index) : QDomNode();
}

// Whether node has a direct child element named tagName.
inline bool hasChildElement(QDomNode const &node, QString const &tagName)
{
    return !node.firstChildElement(tagName).isNull();
}

// Answers "first element named X below E" and "all elements named X below E"
// for every element E below a root after one iterative walk, so that readers
// of nested structures (fields inside fields, ...) stay near-linear in the
// size of the document instead of walking each subtree again.
//
// Elements are recognised by their position in the parsed source (line and
// column, unique for a parsed document) and then confirmed with ==. A node the
// index does not know (one created in memory, or outside the root) is answered
// by a plain walk, so answers always equal those of firstElementByTagName and
// elementsByTagName. The index is a snapshot: build it after the document is
// complete and do not change the document while it is used.
class ElementIndex
{
public:
    explicit ElementIndex(QDomNode const &root);

    QDomElement first(QDomNode const &node, QString const &tagName) const;
    QList<QDomElement> all(QDomNode const &node, QString const &tagName) const;

private:
    // Positions [*begin, *end) strictly below node; false if node is unknown.
    bool range(QDomNode const &node, int *begin, int *end) const;

    QDomNode m_root;
    QVector<QDomElement> m_elements;          // document order
    QVector<int> m_subtreeEnd;                // one past the last position below each element
    QHash<QString, QVector<int>> m_positions; // ascending positions per tag name
    QHash<QPair<int, int>, int> m_byLocation; // (line, column) -> position, -1 if ambiguous
};

// Lookups through the index of the current read, where a reader has made
// one current with ReadScope<const ElementIndex>; a walk otherwise. The
// answers are the same either way.
QDomElement firstBelow(QDomNode const &node, QString const &tagName);
QList<QDomElement> allBelow(QDomNode const &node, QString const &tagName);

} // namespace DALDom

#endif // DAL_DOMUTIL_P_H
