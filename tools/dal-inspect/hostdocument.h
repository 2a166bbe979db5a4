#ifndef DALINSPECT_HOSTDOCUMENT_H
#define DALINSPECT_HOSTDOCUMENT_H

#include <QString>

class QDomDocument;

// Parses a file into document for the classes that are built from a parsed
// document (targets, IO pins, ...), through the library's loader: the path is
// lower-cased and resolved as every reader's is, and the loader's limits
// apply. On failure the loader's messages are recorded ("File open failed:
// <path>", "XML DOM parse failed: <path>, line <n>: \n<message>") and false
// is returned.
bool loadHostDocument(QString const &path, QDomDocument *document);

// Directory that the device map gives for fileName; records error 5 with
// "Failed to find path to <fileName> for device: <device>" when it has none.
QString deviceFileDirectory(QString const &fileName, QString const &device);

#endif // DALINSPECT_HOSTDOCUMENT_H
