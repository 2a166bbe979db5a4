#include "domutil.h"

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

} // namespace DALDom
