#include "hostdocument.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

bool loadHostDocument(QString const &path, QDomDocument *document)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DALCommon::setError(1, absolute);
        return false;
    }
    QString message;
    int line = 0;
    if (!document->setContent(&file, false, &message, &line)) {
        DALCommon::setError(2, absolute + QStringLiteral(", line %2: \n%1").arg(message).arg(line));
        return false;
    }
    return true;
}

QString deviceFileDirectory(QString const &fileName, QString const &device)
{
    const QString directory = DALDeviceConfig::getPath(fileName, device, QString(), QString());
    if (directory.isEmpty()) {
        DALCommon::setError(5, QStringLiteral("Failed to find path to %1 for device: %2")
                                   .arg(fileName, device));
    }
    return directory;
}
