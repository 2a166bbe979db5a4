#ifndef DAL_REPORT_P_H
#define DAL_REPORT_P_H

#include <QDomNode>
#include <QString>

#include "elementtree_p.h"

// How the readers record a message together with where it comes from (see
// DALDiagnostics). Every message still goes through DALCommon::setError; the
// location given here is attached to the next message it records and then
// forgotten. Internal to the library.
// The error codes of DALCommon::setError, named after the first words of
// their messages.
namespace DALErrorCode {
constexpr int FileOpenFailed = 1;
constexpr int XmlParseFailed = 2;
constexpr int DeviceAccessFailed = 3;
constexpr int InvalidSettingsName = 4;
constexpr int ConfigurationError = 5;
constexpr int UnknownDevice = 6;
constexpr int ReadOnlyRegister = 7;
constexpr int WriteRegisterFailed = 8;
} // namespace DALErrorCode

namespace DALReport {

// The next message comes from file, at line and column (0 when unknown).
void locate(QString const &file, int line, int column);

// The next message comes from the file of the latest message, without a
// position: a follow-up about a file the loader could not read.
void locateAtLastFile();

// DALCommon::setError(code, text), located at node (and its attribute) of
// the document being read; without an active read, the message has no file.
void error(int code, QString const &text, QDomNode const &node, QString const &attribute = QString());

// error(), then the failing status -1: for the many reading steps that give
// up where they report.
int fail(int code, QString const &text, QDomNode const &node = QDomNode(), QString const &attribute = QString());

// The same two for an element of a DALElementTree.
void error(int code, QString const &text, DALTreeElement const &node, QString const &attribute = QString());
int fail(int code, QString const &text, DALTreeElement const &node, QString const &attribute = QString());
void message(QString const &text, DALTreeElement const &node, QString const &attribute = QString());
DALTreeElement within(DALTreeElement const &element, QString const &tag);

// DALCommon::setError(text), the message without a code, located likewise.
void message(QString const &text, QDomNode const &node, QString const &attribute = QString());

// The first element named tag below element, or element itself when there is
// none: where a value read with getTextFromTagName is at fault.
QDomNode within(QDomNode const &element, QString const &tag);

// Called by DALCommon for every message it appends, and when it clears them.
void appended(int code, QString const &text);
void cleared();

} // namespace DALReport

#endif // DAL_REPORT_P_H
