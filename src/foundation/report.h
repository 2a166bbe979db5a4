#ifndef DAL_REPORT_H
#define DAL_REPORT_H

#include <QDomNode>
#include <QString>

// How the readers record a message together with where it comes from (see
// DALDiagnostics). Every message still goes through DALCommon::setError; the
// location given here is attached to the next message it records and then
// forgotten. Internal to the library.
namespace DALReport {

// The next message comes from file, at line and column (0 when unknown).
void locate(QString const &file, int line, int column);

// DALCommon::setError(code, text), located at node (and its attribute) of
// the document being read; without an active read, the message has no file.
void error(int code, QString const &text, QDomNode const &node, QString const &attribute = QString());

// DALCommon::setError(text), the message without a code, located likewise.
void message(QString const &text, QDomNode const &node, QString const &attribute = QString());

// Called by DALCommon for every message it appends, and when it clears them.
void appended(int code, QString const &text);
void cleared();

} // namespace DALReport

#endif // DAL_REPORT_H
