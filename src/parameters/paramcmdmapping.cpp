#include "DALParamCmdMapping.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "devicefile_p.h"
#include "documentcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QFileInfo>

namespace {

const QString kMappingFile = QStringLiteral("param_cmd_mapping.xml");

} // namespace

DALParamCmdMapping::DALParamCmdMapping(QString &device)
    : m_document(nullptr)
{
    // The device map ignores the letter case of device names; a missing
    // directory is recorded with the device name as given.
    if (DALDeviceFile::openForDevice(kMappingFile, device, QStringLiteral("paramcmdmapping"), &m_document) != 0)
        return;
    DocumentRead reading(*m_document);
    createParameterMapping();
    if (reading.exhausted())
        m_settingMappings.clear();
    DALDocumentCopy::release(&m_document);
}

DALParamCmdMapping::DALParamCmdMapping(DALParamCmdMapping const &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document)),
      m_settingMappings(other.m_settingMappings)
{
}

DALParamCmdMapping &DALParamCmdMapping::operator=(DALParamCmdMapping const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_settingMappings = other.m_settingMappings;
    }
    return *this;
}

DALParamCmdMapping::~DALParamCmdMapping()
{
    delete m_document;
}

QList<DALParamCmdMapping::Parameter> const *DALParamCmdMapping::getDefaultListOfParameters()
{
    return m_settingMappings.isEmpty() ? nullptr : &m_settingMappings.at(0).parameters;
}

bool DALParamCmdMapping::fileExist(QString const &device)
{
    const QString dir = DALDeviceConfig::getPath(kMappingFile, device.toLower(), QString(), QString());
    return DALDeviceFile::exists(dir, kMappingFile);
}

void DALParamCmdMapping::createParameterMapping()
{
    QList<Parameter> parameters; // cumulative over the blocks
    const QDomNodeList blocks = DALDom::elements(*m_document, QStringLiteral("settings"));
    for (int i = 0; i < blocks.count(); ++i) {
        const QDomElement block = DALDom::itemAt(blocks, i).toElement();
        SettingMapping mapping;
        mapping.settingNames = getSettingNames(block);
        getParameters(block, &parameters);
        mapping.parameters = parameters;
        m_settingMappings.append(mapping);
    }
}

QStringList DALParamCmdMapping::getSettingNames(QDomElement const &settings)
{
    QStringList names;
    const QDomNodeList elements = DALDom::elements(settings, QStringLiteral("name"));
    for (int i = 0; i < elements.count(); ++i)
        names.append(DALDom::text(DALDom::itemAt(elements, i).toElement()));
    return names;
}

int DALParamCmdMapping::getParameters(QDomElement const &settings, QList<Parameter> *parameters)
{
    const QDomNodeList elements = DALDom::elements(settings, QStringLiteral("parameters"));
    if (elements.isEmpty()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"parameters\" element in the Parameter-command mapping file %1")
                                .arg(kMappingFile),
                         settings);
    }
    int result = 0;
    for (int i = 0; i < elements.count(); ++i) {
        if (getParameter(DALDom::itemAt(elements, i).toElement(), parameters) != 0)
            result = -1;
    }
    return result;
}

int DALParamCmdMapping::getParameter(QDomElement const &parametersElement, QList<Parameter> *parameters)
{
    const QDomNodeList elements = DALDom::elements(parametersElement, QStringLiteral("parameter"));
    if (elements.isEmpty()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"parameter\" elements in file %1").arg(kMappingFile),
                         parametersElement);
    }
    int result = 0;
    for (int i = 0; i < elements.count(); ++i) {
        const QDomElement element = DALDom::itemAt(elements, i).toElement();
        Parameter parameter;
        if (element.hasAttribute(QStringLiteral("names"))) {
            parameter.names = element.attribute(QStringLiteral("names")).split(QLatin1Char(','), Qt::KeepEmptyParts);
        } else {
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"names\" attribute for the \"parameter\" element in file %1")
                                    .arg(kMappingFile),
                             element);
            result = -1;
        }
        if (getRfCommands(DALDom::elements(element, QStringLiteral("rfCommand")), &parameter) == 0)
            parameters->append(parameter);
        else
            result = -1;
    }
    return result;
}

int DALParamCmdMapping::getRfCommands(QDomNodeList const &rfCommands, Parameter *parameter)
{
    if (rfCommands.isEmpty()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"rfCommand\" elements for the parameter names: %1 in file %2")
                                   .arg(parameter->names.join(QLatin1Char(',')), kMappingFile));
    }
    for (int i = 0; i < rfCommands.count(); ++i)
        parameter->rfCommands.append(DALDom::text(DALDom::itemAt(rfCommands, i).toElement()));
    return 0;
}
