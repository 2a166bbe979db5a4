#ifndef DAL_XMLDECODING_P_H
#define DAL_XMLDECODING_P_H

#include <QByteArray>
#include <QString>

// Turns the bytes of an XML file into text before anything looks at its
// markup, so that the loader's checks and Qt's parser see the same
// characters whatever the file's encoding. Internal to the library.
namespace DALXmlDecoding {

// Decodes data the way an XML parser detects an encoding:
// 1. a UTF-32 or UTF-16 byte-order mark, or a document that begins with "<"
//    in UTF-32 or UTF-16 (little or big endian) without one, selects that
//    encoding; anything else starts as UTF-8 (a UTF-8 byte-order mark is
//    dropped);
// 2. an XML declaration that names another known encoding makes the whole
//    file decode in that one; an unknown name keeps the first choice.
// Bytes that are invalid in the chosen encoding become U+FFFD.
QString decode(QByteArray const &data);

// The value of the encoding pseudo-attribute of the XML declaration at the
// start of text ("<?xml ... encoding='...'?>"); empty when there is none.
QString declaredEncoding(QString const &text);

} // namespace DALXmlDecoding

#endif // DAL_XMLDECODING_P_H
