#ifndef DAL_XMLLIMITS_P_H
#define DAL_XMLLIMITS_P_H

#include <QString>

// Checks the loader makes on a decoded document before Qt's DOM parser sees
// it. The parser recurses once per nesting level (deep documents overflow the
// stack), expands internal entities without a bound on their total size, and
// builds a tree of a few hundred bytes per node; a configuration file needs
// none of deep nesting, entities or millions of nodes. Internal to the
// library.
namespace DALXmlLimits {

// Largest file the loader parses, in bytes.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// Deepest element nesting the loader parses.
constexpr int kMaxDepth = 1000;
// Largest sum of the depths of all nodes: Qt's parser walks up to the
// document from every node it adds, so its time grows with that sum.
constexpr qint64 kMaxDepthSum = 128 * 1000 * 1000;
// Memory the parsed tree of a file of fileSize bytes may take, by the
// estimate of checkDocument: a fixed allowance plus a multiple of the size.
constexpr qint64 kTreeAllowance = 32 * 1024 * 1024;
constexpr qint64 kTreeBytesPerFileByte = 24;

// Checks text, the decoded content of a file of fileSize bytes, with one
// linear scan of its markup. Refused are: a document type declaration that
// declares entities (internal, external or parameter entities), elements
// nested deeper than kMaxDepth, documents whose depths add up to more than
// kMaxDepthSum, and documents whose tree would exceed the memory allowance.
// Returns an empty string when the document may be parsed; otherwise the
// reason, with *position set to the 1-based line and column at fault.
// *nodes is the number of nodes (elements, attributes and others) scanned.
//
// The predefined entities and character references stay allowed: without
// entity declarations they only ever stand for text, never for markup.
// Malformed markup only needs to keep the scan linear; the parser that runs
// afterwards reports it.
struct Position
{
    int line = 0;
    int column = 0;
};
QString checkDocument(QString const &text, qint64 fileSize, Position *position, qint64 *nodes);

} // namespace DALXmlLimits

#endif // DAL_XMLLIMITS_P_H
