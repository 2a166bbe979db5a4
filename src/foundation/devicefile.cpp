#include "documentcopy_p.h"
#include "devicefile_p.h"
#include "messages_p.h"
#include "report_p.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "pathresolver_p.h"
#include "readscope_p.h"

#include <QDir>
#include <QFileInfo>

namespace DALDeviceFile {

QString directory(QString const &fileName, QString const &device)
{
    const QString dir = DALDeviceConfig::getPath(fileName, device, QString(), QString());
    if (dir.isEmpty()) {
        // The device map is where the entry is missing.
        const QString map = QStringLiteral("/%1/device_config.xml").arg(device.section(QLatin1Char('_'), 0, 0)).toLower();
        DALReport::locate(QFileInfo(DALCommon::getConfigRoot() + map).absoluteFilePath(), 0, 0);
        DALCommon::setError(DALErrorCode::ConfigurationError, DALMessages::missingDirectory(fileName, device));
    }
    return dir;
}

int open(QString const &directory, QString const &fileName, QString const &docName,
         QDomDocument **document)
{
    return DALCommon::openDomDocument(directory + QLatin1Char('/') + fileName, docName,
                                      document, false);
}

int openTree(QString const &directory, QString const &fileName, DALElementTree *tree)
{
    ReadScope<DALElementTree> into(*tree);
    QDomDocument *none = nullptr;
    return DALCommon::openDomDocument(directory + QLatin1Char('/') + fileName, QString(), &none, false);
}

int openForDevice(QString const &fileName, QString const &device, QString const &docName,
                  QDomDocument **document, QString *directoryFound)
{
    *document = nullptr;
    const QString dir = directory(fileName, device);
    if (directoryFound)
        *directoryFound = dir;
    if (dir.isEmpty())
        return -1;
    return open(dir, fileName, docName, document);
}

QStringList matchingFiles(QString const &directory, QString const &pattern)
{
    const QString found = DALPathResolver::resolve(directory, directory, DALPathResolver::Kind::Directory);
    if (found.isEmpty())
        return QStringList();
    return QDir(found).entryList(QStringList(pattern), QDir::Files, QDir::Name | QDir::IgnoreCase);
}

bool exists(QString const &directory, QString const &fileName)
{
    const QString path = directory + QLatin1Char('/') + fileName;
    return !DALPathResolver::resolve(path, path, DALPathResolver::Kind::File).isEmpty();
}

} // namespace DALDeviceFile
