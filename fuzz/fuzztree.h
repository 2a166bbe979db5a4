#ifndef DAL_FUZZTREE_H
#define DAL_FUZZTREE_H

#include <QByteArray>
#include <QDomDocument>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <memory>

// Shared scaffolding of the fuzz targets.
//
// On first use the bundled sample tree is copied into a scratch directory
// whose absolute path is all lower case (readers lower-case the paths of files
// outside the root); it becomes the configuration root and the working
// directory, so the relative directories of its device_config.xml resolve.
// Each input replaces one or more files of that copy; the other files stay as
// the sample has them, so a reader meets one hostile file among sound ones.
namespace FuzzTree {

// The device of the sample tree every per-device target reads.
QString device();

// Absolute path (with a trailing "/") of the scratch tree.
QString root();

// Resets the library's process-wide state (device map, error list, status)
// and makes the scratch tree the configuration root again.
void reset();

// Splits an input into at most count parts at NUL bytes, which well-formed
// XML never holds; missing parts are empty.
QList<QByteArray> split(uint8_t const *data, size_t size, int count);

// Writes content to the tree-relative path.
void write(QString const &relative, QByteArray const &content);

// Parses content the way a host does before it hands a document to the
// library. Returns false (leaving document empty) for input that is not
// well-formed or that Qt's recursive parser could not take (too deep, too
// large): the host's own loader has to refuse such documents.
bool parseAsHost(QByteArray const &content, QDomDocument *document);

// Builds a T from content parsed as a host would (into document), then copies
// it, assigns over the copy and destroys the original: the caller inspects a
// copy that must stand on its own. nullptr for input a host would refuse.
template <typename T>
std::unique_ptr<T> copyOfParsed(QByteArray const &content, QDomDocument *document)
{
    if (!parseAsHost(content, document))
        return nullptr;
    auto original = std::make_unique<T>(document);
    auto copy = std::make_unique<T>(*original);
    *copy = *original;
    return copy;
}

// Candidate lookup keys taken from content: every "name" attribute and the
// text of every element without element children, at most limit of them, in
// document order. Empty when content does not parse.
QStringList names(QByteArray const &content, int limit = 64);

// Touches every string of a list, so lookups that hand out views are read.
int consume(QStringList const &strings);
int consume(QString const &string);

} // namespace FuzzTree

#endif // DAL_FUZZTREE_H
