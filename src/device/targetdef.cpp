#include "DALTargetDef.h"

#include "DALCommon.h"

#include "recordcopy_p.h"

#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

// The host changes the records through getTargets(): copies get containers
// of their own, so that its references never move.
static void detach(DALTargetDef::IoSetting &) {}

static void detach(DALTargetDef::Target &target)
{
    DALRecordCopy::detach(target.ioSettings);
}

static void detach(DALTargetDef::Targets &targets)
{
    DALRecordCopy::detach(targets.targets);
}

DALTargetDef::DALTargetDef(QString &firstArg, QString & /*secondArg*/,
                           QDomDocument *targetsDocument, QString const &targetsDir)
    : m_status(0)
    , m_targetsDir(targetsDir.isEmpty() ? QStringLiteral("/targets") : targetsDir)
    , m_firstArg(firstArg)
{
    if (!targetsDocument) {
        DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Document object to target file is null pointer!"));
        m_status = -1;
        return;
    }
    DocumentRead reading(*targetsDocument, QStringLiteral("targets list"));
    m_status = createTargets(targetsDocument);
    if (reading.exhausted()) {
        m_fileInfoList.clear();
        m_status = 2;
    }
}

DALTargetDef::DALTargetDef(DALTargetDef const &other)
    : m_status(other.m_status)
    , m_targets(DALRecordCopy::deepCopy(other.m_targets))
    , m_targetsDir(other.m_targetsDir)
    , m_firstArg(other.m_firstArg)
    , m_fileInfoList(other.m_fileInfoList)
    , m_defaultEntry(other.m_defaultEntry)
{
}

DALTargetDef &DALTargetDef::operator=(DALTargetDef const &other)
{
    if (this != &other) {
        m_status = other.m_status;
        m_targets = DALRecordCopy::deepCopy(other.m_targets);
        m_targetsDir = other.m_targetsDir;
        m_firstArg = other.m_firstArg;
        m_fileInfoList = other.m_fileInfoList;
        m_defaultEntry = other.m_defaultEntry;
    }
    return *this;
}

DALTargetDef::~DALTargetDef() = default;

QStringList DALTargetDef::getFileInfolist()
{
    return m_fileInfoList;
}

DALTargetDef::Targets &DALTargetDef::getTargets()
{
    return m_targets;
}

QString DALTargetDef::getTargetFileName(QString const &targetName)
{
    // Targets were appended in the order the host read the entries.
    for (int i = 0; i < m_targets.targets.size(); ++i) {
        if (m_targets.targets.at(i).name == targetName)
            return m_fileInfoList.value(i);
    }
    return QString();
}

int DALTargetDef::createTargets(QDomDocument const *document)
{
    m_targets.targets.clear();
    int result = readTargetNodes(DALDom::elements(*document, QStringLiteral("Target")));
    if (result == 0)
        result = readDefaultTarget(DALDom::elements(*document, QStringLiteral("Default")));
    return result;
}

int DALTargetDef::readTargetNodes(QDomNodeList const &nodes)
{
    int result = 0;
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement target = nodes.item(i).toElement();
        const QDomElement parent = target.parentNode().toElement();
        QString virtualName;
        if (!parent.isNull()
            && parent.tagName().contains(QLatin1String("VirtualTarget"), Qt::CaseInsensitive)) {
            if (parent.hasAttribute(QStringLiteral("name"))) {
                virtualName = parent.attribute(QStringLiteral("name"));
            } else {
                DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("The VirtualTarget tag is missing a name attribute"), parent);
                result = -1;
            }
        }
        // After the first fault the rest is still checked, but no longer listed.
        if (result == 0)
            m_fileInfoList.append(DALDom::text(target) + QLatin1Char(':') + virtualName);
    }
    return result;
}

int DALTargetDef::readDefaultTarget(QDomNodeList const &nodes)
{
    if (nodes.count() > 1) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("More than one default target given in targets.xml"), nodes.item(1));
    }
    if (nodes.count() == 1 && nodes.item(0).isElement())
        m_defaultEntry = DALDom::text(nodes.item(0).toElement());
    return 0;
}

int DALTargetDef::readTargetFile(QDomDocument *targetDocument, QString entry)
{
    const QStringList parts = entry.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    if (parts.size() != 2) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid format of the filename. It should contain a "
                                              "':'. Given name: ") + entry);
    }
    if (!targetDocument) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Document object for Target definition is null "
                                              "pointer for file name: ") + entry);
    }

    DocumentRead reading(*targetDocument, QStringLiteral("target file ") + parts.at(0));
    Target target;
    target.virtualTarget = parts.at(1);
    target.name = DALCommon::getTextFromTagName(QStringLiteral("Name"), targetDocument);
    if (target.virtualTarget.isEmpty()) {
        if (parts.at(0) == m_defaultEntry)
            m_targets.defaultTarget = target.name;
    } else if (entry == m_defaultEntry) {
        m_targets.defaultTarget = target.name + QLatin1Char(':') + target.virtualTarget;
    }
    target.description = DALCommon::getTextFromTagName(QStringLiteral("Description"), targetDocument);
    target.deviceName = DALCommon::getTextFromTagName(QStringLiteral("DeviceName"), targetDocument);
    target.devicePackage = DALCommon::getTextFromTagName(QStringLiteral("DevicePackage"), targetDocument);
    target.paSettings = DALCommon::getTextFromTagName(QStringLiteral("PaSettings"), targetDocument);
    target.frontEnd = DALCommon::getTextFromTagName(QStringLiteral("FrontEnd"), targetDocument);
    target.rfDesign = DALCommon::getTextFromTagName(QStringLiteral("RfDesign"), targetDocument);
    target.defaultCategory = DALCommon::getTextFromTagName(QStringLiteral("DefaultCategory"),
                                                           targetDocument);

    const int result = createIoSettings(targetDocument, &target, entry);
    if (reading.exhausted())
        return 2;
    // What could be read is kept, even when the file had faults.
    m_targets.targets.append(target);
    return result;
}

int DALTargetDef::createIoSettings(QDomDocument *document, Target *target, QString const &entry)
{
    int result = 0;
    const QDomNodeList groups = DALDom::elements(*document, QStringLiteral("IoSettings"));
    for (int i = 0; i < groups.count(); ++i) {
        const QDomNodeList pins = DALDom::elements(groups.item(i).toElement(), QStringLiteral("IoPin"));
        for (int j = 0; j < pins.count(); ++j) {
            const QDomElement pin = pins.item(j).toElement();
            if (!pin.hasAttribute(QStringLiteral("name"))) {
                DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Attribute name missing for a IoPin setting in %1.").arg(entry),
                                 pin);
                result = -1;
                continue;
            }
            if (createIoSettings(pin, &target->ioSettings, pin.attribute(QStringLiteral("name")),
                                 entry) != 0) {
                result = -1;
                break; // the rest of this IoSettings element is skipped
            }
        }
    }
    return result;
}

int DALTargetDef::createIoSettings(QDomElement const &ioPin, QList<IoSetting> *ioSettings,
                                   QString const &name, QString const &entry)
{
    IoSetting setting;
    setting.name = name;
    int result = 0;
    for (QDomElement child = ioPin.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("ControlFunction")) {
            setting.controlFunction = DALDom::text(child);
        } else if (tag == QLatin1String("RadioSignal")) {
            setting.radioSignal = DALDom::text(child);
        } else if (tag == QLatin1String("Idle")) {
            setting.idle = DALDom::text(child);
        } else if (tag == QLatin1String("Tx")) {
            setting.tx = DALDom::text(child);
        } else if (tag == QLatin1String("Rx")) {
            setting.rx = DALDom::text(child);
        } else {
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Unknown Tag Name \"%1\", given for a IoSettings "
                                               "element in %2. Possible values: %3")
                                    .arg(tag, entry, QStringLiteral("ControlFunction, RadioSignal, Idle, Tx or Rx")),
                             child);
            result = -1;
        }
    }
    if (result == 0)
        ioSettings->append(setting);
    return result;
}
