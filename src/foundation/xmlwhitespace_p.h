#ifndef DAL_XMLWHITESPACE_P_H
#define DAL_XMLWHITESPACE_P_H

#include <QString>

// Qt 5's DOM parser keeps a document's white space as written: carriage
// returns of CR LF and CR line ends in text, tabs and line ends in attribute
// values. Qt 6's parser normalizes them, as XML 1.0 asks. Trees are written
// for the first (on platforms with CR LF line ends), so before Qt 6 parses a
// document, such characters are written as character references, which no
// parser normalizes: both give the same text. Internal to the library.
namespace DALXmlWhitespace {

// Whether the parser in use normalizes white space.
constexpr bool kParserNormalizes = QT_VERSION >= QT_VERSION_CHECK(6, 0, 0);

// text with every carriage return inside text that is not white space only,
// and every tab, line feed and carriage return inside an attribute value,
// replaced by its character reference. Markup elsewhere (the prolog,
// comments, processing instructions, CDATA sections, whitespace-only text,
// which the parsers drop) is left as it is. Returns text itself when there
// is nothing to replace.
QString keepAsWritten(QString const &text);

// Whether every parser reads text's white space as written, which holds when
// each tab, line feed and carriage return lies in white space between a ">"
// and a "<" (or the start or end of the text). A quick check that may answer
// false where keepAsWritten would change nothing, never true where it would.
bool readsAsWritten(QString const &text);

} // namespace DALXmlWhitespace

#endif // DAL_XMLWHITESPACE_P_H
