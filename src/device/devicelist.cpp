#include "DALDeviceList.h"

#include "DALCommon.h"
#include "report_p.h"
#include "attachedstate_p.h"
#include "documentcopy_p.h"
#include "domutil_p.h"
#include "nameindex_p.h"

#include <QDomDocument>
#include <QDomNodeList>

using DALDom::firstChildValue;

namespace {

// The document does not change after reading, so a long list of devices is
// indexed by name once; the first element of a name wins, as in a walk.
using DeviceIndexes = AttachedState<DALDeviceList, NameIndex>;

QString deviceName(QDomNode const &device)
{
    return firstChildValue(device.firstChild());
}

int devicePosition(DALDeviceList const *list, QDomNodeList const &devices, QString const &device)
{
    const int count = devices.count();
    if (!NameIndex::worthIndexing(count)) {
        for (int i = 0; i < count; ++i) {
            if (deviceName(devices.item(i)) == device)
                return i;
        }
        return -1;
    }
    NameIndex *index = DeviceIndexes::find(list);
    if (!index) {
        index = &DeviceIndexes::obtain(list);
        index->build(count, [&devices](int i) { return deviceName(devices.item(i)); });
    }
    return index->first(device);
}

} // namespace

DALDeviceList::DALDeviceList(QString const &configRoot)
    : m_pDocument(nullptr)
    , m_pGroupNodes(nullptr)
    , m_pDeviceNodes(nullptr)
    , m_status(0)
{
    m_status = DALCommon::setConfigRoot(configRoot);
    if (m_status == 0) {
        m_status = DALCommon::openDomDocument(QStringLiteral("/device_list.xml"),
                                              QStringLiteral("DeviceList"), &m_pDocument, true);
    }
    if (m_status == 0) {
        m_rootDir = configRoot;
        m_pGroupNodes = new QDomNodeList;
        m_pDeviceNodes = new QDomNodeList;
    } else {
        m_latestErrorMessage = DALCommon::getLatestError();
    }
}

DALDeviceList::DALDeviceList(DALDeviceList const &other)
    : m_pDocument(nullptr)
    , m_pGroupNodes(nullptr)
    , m_pDeviceNodes(nullptr)
{
    copyFrom(other);
}

DALDeviceList &DALDeviceList::operator=(DALDeviceList const &other)
{
    if (this != &other) {
        release();
        copyFrom(other);
    }
    return *this;
}

DALDeviceList::~DALDeviceList()
{
    release();
}

void DALDeviceList::copyFrom(DALDeviceList const &other)
{
    // New handles onto the same shared DOM tree; each object deletes its own.
    m_pDocument = DALDocumentCopy::duplicate(other.m_pDocument);
    m_pGroupNodes = other.m_pGroupNodes ? new QDomNodeList(*other.m_pGroupNodes) : nullptr;
    m_pDeviceNodes = other.m_pDeviceNodes ? new QDomNodeList(*other.m_pDeviceNodes) : nullptr;
    m_groupNames = other.m_groupNames;
    m_rootDir = other.m_rootDir;
    m_status = other.m_status;
    m_latestErrorMessage = other.m_latestErrorMessage;
}

void DALDeviceList::release()
{
    DeviceIndexes::drop(this);
    // Node lists first: they refer into the document.
    delete m_pDeviceNodes;
    delete m_pGroupNodes;
    delete m_pDocument;
    m_pDeviceNodes = nullptr;
    m_pGroupNodes = nullptr;
    m_pDocument = nullptr;
}

int DALDeviceList::getStatus()
{
    return m_status;
}

QString const &DALDeviceList::getLatestErrorMessage()
{
    return m_latestErrorMessage;
}

QStringList DALDeviceList::getDeviceGroups()
{
    if (m_status != 0) {
        m_groupNames.clear();
        return QStringList();
    }
    if (m_pGroupNodes->isEmpty()) {
        *m_pGroupNodes = DALDom::elements(*m_pDocument, QStringLiteral("DeviceGroup"));
        m_groupNames.clear();
        for (int i = 0; i < m_pGroupNodes->count(); ++i)
            m_groupNames.append(firstChildValue(m_pGroupNodes->item(i).firstChild()));
    }
    return m_groupNames;
}

QStringList DALDeviceList::getGroupDevices(QString &group)
{
    QStringList devices;
    if (m_status != 0)
        return devices;
    const QDomElement groupElement = DALDom::itemAt(*m_pGroupNodes, getGroupIndex(group)).toElement();
    if (groupElement.isNull())
        return devices;
    const QDomNodeList names = DALDom::elements(groupElement, QStringLiteral("DeviceName"));
    for (int i = 0; i < names.count(); ++i)
        devices.append(firstChildValue(names.item(i)));
    return devices;
}

QString DALDeviceList::getGroupDescr(QString const &group) const
{
    if (m_status != 0)
        return m_latestErrorMessage;
    return getGroupTagValue(group, QStringLiteral("Description"));
}

QStringList DALDeviceList::getDeviceList(QString const &family)
{
    QStringList devices;
    if (m_status != 0)
        return devices;
    const QDomNodeList deviceNodes = DALDom::elements(*m_pDocument, QStringLiteral("Device"));
    for (int i = 0; i < deviceNodes.count(); ++i) {
        for (QDomElement child = deviceNodes.item(i).firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (child.tagName() == QLatin1String("DeviceName")
                && child.hasAttribute(QStringLiteral("family"))
                && child.attribute(QStringLiteral("family")) == family) {
                devices.append(DALDom::text(child));
            }
        }
    }
    return devices;
}

QString DALDeviceList::getDeviceBrief(QString const &device)
{
    return getDeviceTagValue(device, QStringLiteral("Brief"));
}

QString DALDeviceList::getDeviceType(QString const &device)
{
    return getDeviceTagValue(device, QStringLiteral("DeviceType"));
}

QString DALDeviceList::getVersion()
{
    if (!m_pDocument)
        return QStringLiteral("");
    const QDomElement version = DALDom::firstElementByTagName(*m_pDocument, QStringLiteral("version"));
    return version.isNull() ? QString() : DALDom::text(version);
}

QString DALDeviceList::getDeviceTagValue(QString const &device, QString const &tag) const
{
    if (m_status != 0)
        return m_latestErrorMessage;
    // The pointer member is what the const query fills on first use.
    if (m_pDeviceNodes->isEmpty())
        *m_pDeviceNodes = DALDom::elements(*m_pDocument, QStringLiteral("Device"));
    const int found = devicePosition(this, *m_pDeviceNodes, device);
    if (found >= 0)
        return firstChildValue(DALDom::firstElementByTagName(m_pDeviceNodes->item(found), tag));
    DALCommon::setError(DALErrorCode::UnknownDevice, QString());
    return QStringLiteral("");
}

QString DALDeviceList::getGroupTagValue(QString const &group, QString const &tag) const
{
    // The position getGroupIndex gives, from a const query.
    const QDomNode groupNode = DALDom::itemAt(*m_pGroupNodes, m_groupNames.indexOf(group));
    if (groupNode.isNull())
        return QStringLiteral("");
    return firstChildValue(DALDom::firstElementByTagName(groupNode, tag));
}

int DALDeviceList::getGroupIndex(QString const &group)
{
    return m_groupNames.indexOf(group);
}
