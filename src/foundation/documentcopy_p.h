#ifndef DAL_DOCUMENTCOPY_P_H
#define DAL_DOCUMENTCOPY_P_H

#include <QDomDocument>

// The one rule for the parsed documents that readers own.
//
// A reader whose answers come from its records releases its document once
// the constructor has read it: nothing reads it again, and the tree takes
// far more memory than the records. A reader that answers from the document
// (the device list, the device description) keeps it. A copy of a reader
// gets its own QDomDocument handle on its source's tree when the source holds
// one: Qt shares the tree between handles and frees it with the last, so
// every object deletes exactly its own handle, in any order. Internal to the
// library.
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

// Deletes the document a constructor has read into records.
inline void release(QDomDocument **document)
{
    delete *document;
    *document = nullptr;
}

} // namespace DALDocumentCopy

#endif // DAL_DOCUMENTCOPY_P_H
