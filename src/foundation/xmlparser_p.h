#ifndef DAL_XMLPARSER_P_H
#define DAL_XMLPARSER_P_H

#include <QByteArray>
#include <QString>

class QDomDocument;
class DALElementTree;

// The one way the library turns the bytes of a file into a document: the
// size limit, decoding, the checks of DALXmlLimits, then Qt's DOM parser on
// the decoded text. Internal to the library.
namespace DALXmlParser {

// Returns a new document named docName that the caller owns, or null with
// *message, *line and *column set to the reason and position of the failure. The bytes are
// released once decoded, so that the tree is never built beside two copies
// of the file.
// *nodes is the number of nodes the document was found to hold.
QDomDocument *parse(QByteArray data, QString const &docName, QString *message, int *line, int *column,
                    qint64 *nodes);

// The same steps into *tree: plain documents are read without a DOM (see
// DALElementTree), every other one through Qt's DOM parser as above. False,
// with the reason and position, where parse() would give null.
bool parse(QByteArray data, DALElementTree *tree, QString *message, int *line, int *column, qint64 *nodes);

// The file that DALCommon::openDomDocument read last: its absolute path as
// messages name it (the path built from the name asked for), the absolute
// path of the file read (where names resolved without regard to case), and
// its number of nodes. What a reader reports about, and how much it may
// spend on, the document it has just been given.
struct LoadedFile
{
    QString named;
    QString real;
    qint64 nodes = 0;
};
LoadedFile const &lastLoadedFile();
void setLastLoadedFile(LoadedFile const &file);

} // namespace DALXmlParser

#endif // DAL_XMLPARSER_P_H
