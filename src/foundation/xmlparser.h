#ifndef DAL_XMLPARSER_H
#define DAL_XMLPARSER_H

#include <QByteArray>
#include <QString>

class QDomDocument;

// The one way the library turns the bytes of a file into a document: the
// size limit, decoding, the checks of DALXmlLimits, then Qt's DOM parser on
// the decoded text. Internal to the library.
namespace DALXmlParser {

// Returns a new document named docName that the caller owns, or null with
// *message and *line set to the reason and line of the failure. The bytes are
// released once decoded, so that the tree is never built beside two copies
// of the file.
QDomDocument *parse(QByteArray data, QString const &docName, QString *message, int *line);

} // namespace DALXmlParser

#endif // DAL_XMLPARSER_H
