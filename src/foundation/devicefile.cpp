#include "devicefile.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"

#include <QDir>

namespace DALDeviceFile {

QString directory(QString const &fileName, QString const &device)
{
    const QString dir = DALDeviceConfig::getPath(fileName, device, QString(), QString());
    if (dir.isEmpty()) {
        DALCommon::setError(5, QStringLiteral("Failed to find path to %1 for device: %2")
                                   .arg(fileName, device));
    }
    return dir;
}

int open(QString const &directory, QString const &fileName, QString const &docName,
         QDomDocument **document)
{
    return DALCommon::openDomDocument(directory + QLatin1Char('/') + fileName, docName,
                                      document, false);
}

int openForDevice(QString const &fileName, QString const &device, QString const &docName,
                  QDomDocument **document)
{
    *document = nullptr;
    const QString dir = directory(fileName, device);
    if (dir.isEmpty())
        return -1;
    return open(dir, fileName, docName, document);
}

QStringList matchingFiles(QString const &directory, QString const &pattern)
{
    return QDir(directory).entryList(QStringList(pattern), QDir::Files,
                                     QDir::Name | QDir::IgnoreCase);
}

} // namespace DALDeviceFile
