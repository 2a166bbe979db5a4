#include "DALDeviceDef.h"

#include "recordcopy_p.h"

#include "documentread_p.h"
#include "domutil_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

// The host changes the records through getDeviceDefinition(): copies get
// containers of their own, so that its pointers never move.
static void detach(DALDeviceDef::Package &package)
{
    DALRecordCopy::detach(package.ioPins);
}

static void detach(DALDeviceDef::DeviceDef &definition)
{
    DALRecordCopy::detach(definition.packages);
}

DALDeviceDef::DALDeviceDef(QDomDocument *document)
{
    DocumentRead reading(document ? *document : QDomDocument(), QStringLiteral("device definition"));
    createPackages(document);
    if (reading.exhausted())
        m_deviceDef = DeviceDef();
}

DALDeviceDef::DALDeviceDef(DALDeviceDef const &other)
    : m_deviceDef(DALRecordCopy::deepCopy(other.m_deviceDef))
{
}

DALDeviceDef &DALDeviceDef::operator=(DALDeviceDef const &other)
{
    if (this != &other)
        m_deviceDef = DALRecordCopy::deepCopy(other.m_deviceDef);
    return *this;
}

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
    const QDomNodeList packages = DALDom::elements(*document, QStringLiteral("Package"));
    for (int i = 0; i < packages.count(); ++i) {
        const QDomElement element = packages.item(i).toElement();
        Package package;
        package.name = element.attribute(nameAttribute);
        const QDomNodeList pins = DALDom::elements(element, QStringLiteral("IoPin"));
        for (int j = 0; j < pins.count(); ++j)
            package.ioPins.append(pins.item(j).toElement().attribute(nameAttribute));
        m_deviceDef.packages.append(package);
    }
}
