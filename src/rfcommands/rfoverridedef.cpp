#include "DALRfOverrideDef.h"

#include "DALCommon.h"
#include "documentcopy_p.h"
#include "devicefile_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "readscope_p.h"
#include "report_p.h"
#include "recordcopy_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QObject>
#include <QRegularExpression>
#include <QStringList>

using DALDom::firstChildValue;
using DALDom::itemAt;


const QString DALRfOverrideDef::m_overrideFilter = QStringLiteral("override_*.xml");
const QString DALRfOverrideDef::m_overridesPath = QStringLiteral("/overrides");

DALRfOverrideDef::DALRfOverrideDef(QString &device)
    : m_document(nullptr)
    , m_status(0)
    , m_device(device)
{
    createOverrides();
}

// The host changes the records through getOverrides(): copies get containers
// of their own, so that its references never move.
static void detach(DALRfOverrideDef::OverrideElement &) {}

static void detach(DALRfOverrideDef::OverrideWriteCustom &custom)
{
    DALRecordCopy::detach(custom.values);
}

static void detach(DALRfOverrideDef::Override &override)
{
    DALRecordCopy::detach(override.elements);
    DALRecordCopy::detach(override.writeCustoms);
}

DALRfOverrideDef::DALRfOverrideDef(const DALRfOverrideDef &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document))
    , m_status(other.m_status)
    , m_device(other.m_device)
    , m_overrides(DALRecordCopy::deepCopy(other.m_overrides))
{
}

DALRfOverrideDef &DALRfOverrideDef::operator=(const DALRfOverrideDef &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_status = other.m_status;
        m_device = other.m_device;
        m_overrides = DALRecordCopy::deepCopy(other.m_overrides);
    }
    return *this;
}

DALRfOverrideDef::~DALRfOverrideDef()
{
    delete m_document;
}

QList<DALRfOverrideDef::Override> &DALRfOverrideDef::getOverrides()
{
    return m_overrides;
}

void DALRfOverrideDef::createOverrides()
{
    // The device map has no entry for the directory itself; it is found
    // through a placeholder file name that is never opened.
    const QString dir = DALDeviceFile::directory(QStringLiteral("dummy_file_overrides.xml"), m_device);
    if (dir.isEmpty()) {
        m_status = -1;
        return;
    }

    const QStringList fileNames = DALDeviceFile::matchingFiles(dir, m_overrideFilter);
    for (const QString &fileName : fileNames) {
        DALDocumentCopy::release(&m_document);
        m_status = DALDeviceFile::open(dir, fileName, QStringLiteral("overrideDefinition"), &m_document);
        if (m_status != 0) {
            DALReport::locateAtLastFile();
            DALCommon::setError(DALErrorCode::ConfigurationError, QObject::tr("Opening OR file failed, filename: %1").arg(fileName));
            continue;
        }
        DocumentRead reading(*m_document);
        createOverride(fileName);
        if (reading.exhausted()) {
            m_overrides.removeLast();
            m_status = 2;
        }
    }
    DALDocumentCopy::release(&m_document);
}

void DALRfOverrideDef::createOverride(QString fileName)
{
    static const QRegularExpression namePattern(
        QRegularExpression::anchoredPattern(QStringLiteral("override_(.*).xml")));
    if (!namePattern.match(fileName).hasMatch())
        DALCommon::setError(DALErrorCode::ConfigurationError, QObject::tr("File name error, filename: %1").arg(fileName));

    Override record;
    record.name = fileName;

    {
        // The Values lookup of nested WriteCustom elements needs no walk of its own.
        const DALDom::ElementIndex index(*m_document);
        ReadScope<const DALDom::ElementIndex> scope(index);
        for (QDomElement element : index.all(*m_document, QStringLiteral("WriteCustom")))
            createWriteCustom(record, element);
    }

    const QDomNodeList elementNodes = DALDom::elements(*m_document, QStringLiteral("Element32b"));
    for (int i = 0; i < elementNodes.count(); ++i) {
        const QDomElement element = itemAt(elementNodes, i).toElement();
        OverrideElement entry;
        entry.type = element.attribute(QStringLiteral("type"));
        entry.value = firstChildValue(element);
        entry.comment = element.attribute(QStringLiteral("comment"));
        record.elements.append(entry);
    }

    m_overrides.append(record);
}

int DALRfOverrideDef::createWriteCustom(Override &record, QDomElement &element)
{
    OverrideWriteCustom writeCustom;
    writeCustom.name = element.attribute(QStringLiteral("name"));

    const QString valuesTag = QStringLiteral("Values");
    const QDomElement valuesElement = DALDom::firstBelow(element, valuesTag);
    bool valid = !valuesElement.isNull();
    if (valid) {
        const QStringList parts = firstChildValue(valuesElement).split(QLatin1Char(','), Qt::KeepEmptyParts);
        for (const QString &part : parts) {
            bool ok = false;
            const short value = part.toShort(&ok, 10);
            if (ok)
                writeCustom.values.append(quint8(value));
            else
                valid = false;
        }
    }

    if (!valid) {
        return DALReport::fail(DALErrorCode::ConfigurationError, QObject::tr("Invalid format of Custom Write Values, write custom name: %1")
                                .arg(writeCustom.name),
                         valuesElement.isNull() ? QDomNode(element) : QDomNode(valuesElement));
    }
    record.writeCustoms.append(writeCustom);
    return 0;
}
