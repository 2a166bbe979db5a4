#ifndef DAL_QTCOMPAT_P_H
#define DAL_QTCOMPAT_P_H

#include <QByteArray>
#include <QString>
#include <QTextStream>

// The few places where Qt 5 and Qt 6 spell the same thing differently. The
// library builds against either from one source tree; everything else is
// written against the API both have. Internal to the library.
namespace DALQtCompat {

// Makes stream write UTF-8, whatever the locale.
void setUtf8(QTextStream &stream);

// Decodes data in the encoding named name (an IANA name or alias, any letter
// case); *known is false, and nothing is decoded, when the name is unknown.
// Invalid bytes become U+FFFD. A byte-order mark at the start is dropped.
QString decode(QByteArray const &data, QByteArray const &name, bool *known);

// The canonical name of the encoding named name, for telling whether two
// names stand for the same encoding; empty when the name is unknown.
QByteArray canonicalName(QByteArray const &name);

} // namespace DALQtCompat

#endif // DAL_QTCOMPAT_P_H
