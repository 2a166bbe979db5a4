#ifndef DAL_DOMUTIL_H
#define DAL_DOMUTIL_H

#include <QDomElement>
#include <QDomNode>
#include <QDomNodeList>
#include <QString>

// Small DOM helpers shared by the readers. Internal to the library.
namespace DALDom {

// The first element named tagName below node (node itself excluded), in
// document order; a null element when there is none. Same answer as
// elementsByTagName(tagName).item(0), without collecting the whole list.
QDomElement firstElementByTagName(QDomNode const &node, QString const &tagName);

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

} // namespace DALDom

#endif // DAL_DOMUTIL_H
