#include "hostdocument.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "messages_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QFileInfo>

bool loadHostDocument(QString const &path, QDomDocument *document)
{
    // The library's loader, so that a hostile file is refused here as it is by
    // every reader, before Qt's parser sees it.
    QDomDocument *loaded = nullptr;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (DALCommon::openDomDocument(absolute, QString(), &loaded, false) != 0)
        return false;
    *document = *loaded;
    delete loaded;
    return true;
}

QString deviceFileDirectory(QString const &fileName, QString const &device)
{
    const QString directory = DALDeviceConfig::getPath(fileName, device, QString(), QString());
    if (directory.isEmpty())
        DALCommon::setError(DALErrorCode::ConfigurationError, DALMessages::missingDirectory(fileName, device));
    return directory;
}
