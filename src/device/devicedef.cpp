#include "DALDeviceDef.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

DALDeviceDef::DALDeviceDef(QDomDocument *document)
{
    createPackages(document);
}

DALDeviceDef::DALDeviceDef(DALDeviceDef const &other) = default;
DALDeviceDef &DALDeviceDef::operator=(DALDeviceDef const &other) = default;
DALDeviceDef::~DALDeviceDef() = default;

DALDeviceDef::DeviceDef *DALDeviceDef::getDeviceDefinition()
{
    return &m_deviceDef;
}

void DALDeviceDef::createPackages(QDomDocument *document)
{
    m_deviceDef.packages.clear();
    if (!document)
        return;
    const QString nameAttribute = QStringLiteral("name");
    const QDomNodeList packages = document->elementsByTagName(QStringLiteral("Package"));
    for (int i = 0; i < packages.count(); ++i) {
        const QDomElement element = packages.item(i).toElement();
        Package package;
        package.name = element.attribute(nameAttribute);
        const QDomNodeList pins = element.elementsByTagName(QStringLiteral("IoPin"));
        for (int j = 0; j < pins.count(); ++j)
            package.ioPins.append(pins.item(j).toElement().attribute(nameAttribute));
        m_deviceDef.packages.append(package);
    }
}
