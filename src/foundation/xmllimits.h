#ifndef DAL_XMLLIMITS_H
#define DAL_XMLLIMITS_H

#include <QByteArray>
#include <QString>

// Limits the loader applies before a document reaches Qt's DOM parser, which
// recurses once per nesting level (deep documents overflow the stack) and
// needs about thirty times a file's size in memory. Internal to the library.
namespace DALXmlLimits {

// Largest file the loader parses, in bytes.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;
// Deepest element nesting the loader parses.
constexpr int kMaxDepth = 1000;

// Checks data against the nesting limit with a linear scan of its markup.
// Returns an empty string when data may be parsed; otherwise the reason, and
// *line is set to the line on which the limit was crossed.
QString checkNesting(QByteArray const &data, int *line);

} // namespace DALXmlLimits

#endif // DAL_XMLLIMITS_H
