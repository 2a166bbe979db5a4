#include "DALDeviceDescr.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "documentcopy_p.h"
#include "domutil_p.h"

#include <QDomDocument>
#include <QDomNodeList>

namespace {
const QString kFileName = QStringLiteral("device_description.xml");
}

DALDeviceDescr::DALDeviceDescr(QString &device, bool useDeviceConfig)
    : m_pDocument(nullptr)
    , m_status(0)
    , m_docListCreated(false)
{
    QString path;
    if (useDeviceConfig) {
        // Switching devices: the next lookup reads this device's map.
        DALDeviceConfig::deleteInstance();
        path = DALDeviceConfig::getPath(kFileName, device, QString(), QString())
               + QLatin1Char('/') + kFileName;
    } else {
        path = device.toLower() + QLatin1Char('/') + kFileName;
    }
    m_status = DALCommon::openDomDocument(path, QStringLiteral("DeviceDescription"), &m_pDocument,
                                          !useDeviceConfig);
    if (m_status != 0)
        m_errMsg = DALCommon::getErrorMessage(m_status) + path;
}

DALDeviceDescr::DALDeviceDescr(DALDeviceDescr const &other)
    : m_errMsg(other.m_errMsg)
    // A new handle onto the same shared tree; each object deletes its own.
    , m_pDocument(DALDocumentCopy::duplicate(other.m_pDocument))
    , m_docList(other.m_docList)
    , m_status(other.m_status)
    , m_docListCreated(other.m_docListCreated)
{
}

DALDeviceDescr &DALDeviceDescr::operator=(DALDeviceDescr const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_pDocument, other.m_pDocument);
        m_errMsg = other.m_errMsg;
        m_docList = other.m_docList;
        m_status = other.m_status;
        m_docListCreated = other.m_docListCreated;
    }
    return *this;
}

DALDeviceDescr::~DALDeviceDescr()
{
    delete m_pDocument;
}

int DALDeviceDescr::getStatus()
{
    return m_status;
}

QString DALDeviceDescr::getErrMsg()
{
    return m_errMsg;
}

QString DALDeviceDescr::getBrief()
{
    return getSingleValue(QStringLiteral("Brief"));
}

QString DALDeviceDescr::getDescription()
{
    return getSingleValue(QStringLiteral("Description"));
}

QString DALDeviceDescr::getPhotoUrl()
{
    return getSingleValue(QStringLiteral("Photo"));
}

QString DALDeviceDescr::getUiClass()
{
    return getSingleValue(QStringLiteral("UiClass"));
}

QString DALDeviceDescr::getUrlProductPage()
{
    return getSingleValue(QStringLiteral("URL"));
}

int DALDeviceDescr::getDocList(QStringList &list)
{
    if (!m_docListCreated)
        createDocList();
    list = m_docList;
    return m_docList.size();
}

QString DALDeviceDescr::getSingleValue(QString const &tag)
{
    // A failed open and an earlier missing tag both silence every getter.
    if (m_status != 0)
        return QStringLiteral("");
    return getTagValue(tag);
}

QString DALDeviceDescr::getTagValue(QString const &tag)
{
    const QDomElement element = m_pDocument
        ? DALDom::firstElementByTagName(*m_pDocument, tag) : QDomElement();
    if (element.isNull()) {
        m_status = 5;
        return QStringLiteral("");
    }
    return DALDom::firstChildValue(element);
}

void DALDeviceDescr::createDocList()
{
    m_docListCreated = true;
    m_docList.clear();
    if (!m_pDocument)
        return;
    const QDomNodeList docs = DALDom::elements(*m_pDocument, QStringLiteral("Doc"));
    for (int i = 0; i < docs.count(); ++i) {
        const QDomNode doc = docs.item(i);
        m_docList.append(DALDom::text(DALDom::firstElementByTagName(doc, QStringLiteral("Name")))
                         + QLatin1Char(',')
                         + DALDom::text(DALDom::firstElementByTagName(doc, QStringLiteral("URL"))));
    }
}
