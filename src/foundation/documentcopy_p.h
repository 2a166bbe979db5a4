#ifndef DAL_DOCUMENTCOPY_P_H
#define DAL_DOCUMENTCOPY_P_H

#include <QDomDocument>

// The readers of this directory own the document they parsed but never read it
// again. A copy of a reader gets its own QDomDocument handle on the same tree:
// Qt shares the tree between handles and frees it with the last one, so every
// copy deletes exactly its own handle. Internal to the library.
namespace DALDocumentCopy {

inline QDomDocument *duplicate(QDomDocument const *document)
{
    return document ? new QDomDocument(*document) : nullptr;
}

// Replaces *target by a handle on source's tree (self-assignment safe).
inline void assign(QDomDocument **target, QDomDocument const *source)
{
    if (*target == source)
        return;
    QDomDocument *copy = duplicate(source);
    delete *target;
    *target = copy;
}

} // namespace DALDocumentCopy

#endif // DAL_DOCUMENTCOPY_P_H
