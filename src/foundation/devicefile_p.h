#ifndef DAL_DEVICEFILE_P_H
#define DAL_DEVICEFILE_P_H

#include <QString>
#include <QStringList>

class QDomDocument;
class DALElementTree;

// The road every per-device reader takes to its file. Internal to the library.
namespace DALDeviceFile {

// Directory that the device map gives for fileName and device (no PHY, no
// version). When there is none, records error 5 with
// "Failed to find path to <fileName> for device: <device>" and returns an
// empty string.
QString directory(QString const &fileName, QString const &device);

// Opens directory + "/" + fileName with the library loader (not relative to
// the root). Returns the loader's status; *document is owned by the caller.
int open(QString const &directory, QString const &fileName, QString const &docName,
         QDomDocument **document);

// The same file into *tree (see DALElementTree), with the same statuses and
// messages.
int openTree(QString const &directory, QString const &fileName, DALElementTree *tree);
// Both steps: -1 when the device has no directory for fileName (recorded as
// above, *document null), else the loader's status. The directory found is
// given in *directoryFound when it is not null.
int openForDevice(QString const &fileName, QString const &device, QString const &docName,
                  QDomDocument **document, QString *directoryFound = nullptr);

// Regular, non-hidden files of directory whose names match the wildcard
// pattern without regard to case, in name order ignoring case. The directory
// itself is found without regard to case too (see pathresolver_p.h).
QStringList matchingFiles(QString const &directory, QString const &pattern);

// Whether directory + "/" + fileName is a regular file, found without regard
// to case.
bool exists(QString const &directory, QString const &fileName);

} // namespace DALDeviceFile

#endif // DAL_DEVICEFILE_P_H
