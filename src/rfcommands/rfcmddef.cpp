#include "DALRfCmdDef.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "documentcopy_p.h"
#include "devicefile_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "readscope_p.h"
#include "report_p.h"
#include "recordcopy_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>
#include <QStringList>

using DALDom::firstChildValue;

namespace {

const QString kLayoutFile = QStringLiteral("rf_command_definitions.xml");

using DALDom::allBelow;
using DALDom::firstBelow;

// Value of the first element named tag below node; empty when there is none.
QString firstValue(QDomNode const &node, QString const &tag)
{
    return firstChildValue(firstBelow(node, tag));
}

// One number of an index string: a signed 16-bit decimal of which the low
// 8 bits count; -1 when the text is not such a number.
short indexNumber(QString const &text)
{
    bool ok = false;
    const short value = text.toShort(&ok, 10);
    return ok ? short(quint8(value)) : short(-1);
}

QStringList indexParts(QString const &indexString)
{
    return indexString.split(QStringLiteral(".."), Qt::KeepEmptyParts);
}

} // namespace

DALRfCmdDef::DALRfCmdDef(QString &device)
    : m_document(nullptr)
    , m_status(0)
{
    m_status = DALDeviceFile::openForDevice(kLayoutFile, device, QStringLiteral("RfCommandDefinitions"), &m_document);
    if (m_status == 0) {
        DocumentRead reading(*m_document);
        createRfCmdGroups();
        if (reading.exhausted()) {
            m_rfCommandGroups = RfCommandGroups();
            m_status = 2;
        }
        DALDocumentCopy::release(&m_document);
    }
}

// The host changes the records through getRfCommandGroups(): copies get
// containers of their own, so that its references never move.
static void detach(DALRfCmdDef::ListItem &) {}

static void detach(DALRfCmdDef::Bitfield &bitfield)
{
    DALRecordCopy::detach(bitfield.listItems);
}

static void detach(DALRfCmdDef::Field &field)
{
    DALRecordCopy::detach(field.bitfields);
}

static void detach(DALRfCmdDef::RfCommandDefinition &definition)
{
    DALRecordCopy::detach(definition.fields);
}

static void detach(DALRfCmdDef::RfCommandGroup &group)
{
    DALRecordCopy::detach(group.definitions);
}

static void detach(DALRfCmdDef::RfCommandGroups &groups)
{
    DALRecordCopy::detach(groups.groups);
}

DALRfCmdDef::DALRfCmdDef(const DALRfCmdDef &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document))
    , m_status(other.m_status)
    , m_rfCommandGroups(DALRecordCopy::deepCopy(other.m_rfCommandGroups))
{
}

DALRfCmdDef &DALRfCmdDef::operator=(const DALRfCmdDef &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_status = other.m_status;
        m_rfCommandGroups = DALRecordCopy::deepCopy(other.m_rfCommandGroups);
    }
    return *this;
}

DALRfCmdDef::~DALRfCmdDef()
{
    delete m_document;
}

DALRfCmdDef::RfCommandGroups &DALRfCmdDef::getRfCommandGroups()
{
    return m_rfCommandGroups;
}

bool DALRfCmdDef::fileExist(const QString &device)
{
    const QString dir = DALDeviceConfig::getPath(kLayoutFile, device, QString(), QString());
    return DALDeviceFile::exists(dir, kLayoutFile);
}

void DALRfCmdDef::createRfCmdGroups()
{
    // The reading steps look up elements at any depth below groups, commands,
    // fields and bit fields; the index answers each without another walk, so
    // nested documents do not cost quadratic time.
    const DALDom::ElementIndex index(*m_document);
    ReadScope<const DALDom::ElementIndex> scope(index);
    for (QDomElement groupElement : index.all(*m_document, QStringLiteral("CommandGroup"))) {
        RfCommandGroup group;
        group.name = groupElement.attribute(QStringLiteral("name"));
        createRfCmdDefinitions(groupElement, group);
        m_rfCommandGroups.groups.append(group);
    }
}

void DALRfCmdDef::createRfCmdDefinitions(QDomElement &groupElement, RfCommandGroup &group)
{
    QDomElement commonFields = firstBelow(groupElement, QStringLiteral("CommonFields"));
    for (QDomElement commandElement : allBelow(groupElement, QStringLiteral("Command"))) {
        if (!commandElement.hasAttribute(QStringLiteral("name"))) {
            m_status = -1;
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"name\" attribute for \"Command\" element in %1")
                                    .arg(kLayoutFile),
                             commandElement);
            return;
        }

        RfCommandDefinition definition;
        definition.name = commandElement.attribute(QStringLiteral("name"));
        bool ok = false;
        const uint id = firstValue(commandElement, QStringLiteral("id")).toUInt(&ok, 16);
        if (!ok) {
            m_status = -1;
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid id value for command %1").arg(definition.name),
                             DALReport::within(commandElement, QStringLiteral("id")));
            return;
        }
        definition.id = quint16(id);
        definition.description = firstValue(commandElement, QStringLiteral("Description"));

        if (!commonFields.isNull())
            createFields(commonFields, definition);
        createFields(commandElement, definition);

        if (definition.size == 0) {
            m_status = -1;
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Size of command %1 is 0 in %2").arg(definition.name, kLayoutFile),
                             commandElement);
            return;
        }
        group.definitions.append(definition);
    }
}

void DALRfCmdDef::createFields(QDomElement &element, RfCommandDefinition &definition)
{
    for (QDomElement fieldElement : allBelow(element, QStringLiteral("Field"))) {
        if (!fieldElement.hasAttribute(QStringLiteral("name"))) {
            m_status = -1;
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"name\" attribute for \"Field\" element in %1")
                                    .arg(kLayoutFile),
                             fieldElement);
            return;
        }

        Field field;
        field.name = fieldElement.attribute(QStringLiteral("name"));
        if (fieldElement.hasAttribute(QStringLiteral("type")))
            field.type = fieldElement.attribute(QStringLiteral("type"));
        if (field.type == QLatin1String("pointer")) {
            const QDomElement offset = fieldElement.firstChildElement(QStringLiteral("Offset"));
            if (!offset.isNull()) {
                bool ok = false;
                const int value = DALDom::text(offset).toInt(&ok, 10);
                if (!ok) {
                    m_status = -1;
                    DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid offset value given for pointer "
                                                       "type element. Value: %1")
                                            .arg(DALDom::text(offset)),
                                     offset);
                    return;
                }
                field.ptrOffset = quint8(value);
            }
            field.ptrType = DALDom::text(fieldElement.firstChildElement(QStringLiteral("PtrType")));
            field.ptrName = DALDom::text(fieldElement.firstChildElement(QStringLiteral("PtrName")));
        }

        const QString byteIndex = firstValue(fieldElement, QStringLiteral("ByteIndex"));
        if (isIndexStringValid(byteIndex)) {
            const short start = getOffsetFromIndexString(byteIndex);
            field.byteOffset = quint8(start);
            field.byteLength = quint8(getEndFromIndexString(byteIndex) - start + 1);
            definition.size = quint8(field.byteOffset + field.byteLength);
        } else {
            m_status = -1;
            DALReport::message(QStringLiteral("XML validation failed"),
                               DALReport::within(fieldElement, QStringLiteral("ByteIndex")));
        }

        field.description = firstValue(fieldElement, QStringLiteral("Description"));
        field.access = firstValue(fieldElement, QStringLiteral("Access"));
        createBitfields(fieldElement, field);
        definition.fields.append(field);
    }
}

void DALRfCmdDef::createBitfields(QDomElement &fieldElement, Field &field)
{
    for (QDomElement bitfieldElement : allBelow(fieldElement, QStringLiteral("BitField"))) {
        Bitfield bitfield;
        bitfield.name = bitfieldElement.attribute(QStringLiteral("name"));

        const QString bitIndex = firstValue(bitfieldElement, QStringLiteral("BitIndex"));
        if (isIndexStringValid(bitIndex)) {
            const short start = getOffsetFromIndexString(bitIndex);
            bitfield.bitOffset = quint8(start);
            bitfield.bitLength = quint8(getEndFromIndexString(bitIndex) - start + 1);
        } else {
            m_status = -1;
            DALReport::message(QStringLiteral("XML validation failed"),
                               DALReport::within(bitfieldElement, QStringLiteral("BitIndex")));
        }

        bitfield.description = firstValue(bitfieldElement, QStringLiteral("BitDescription"));
        bitfield.access = firstValue(bitfieldElement, QStringLiteral("BitAccess"));
        bitfield.type = firstValue(bitfieldElement, QStringLiteral("Type"));
        if (bitfield.type == QLatin1String("List"))
            createListItems(bitfieldElement, bitfield);
        field.bitfields.append(bitfield);
    }
}

void DALRfCmdDef::createListItems(QDomElement &bitfieldElement, Bitfield &bitfield)
{
    for (const QDomElement &itemNode : allBelow(bitfieldElement, QStringLiteral("ListItem"))) {
        ListItem item;
        item.value = firstValue(itemNode, QStringLiteral("Value"));
        item.text = firstValue(itemNode, QStringLiteral("Text"));
        bitfield.listItems.append(item);
    }
}

short DALRfCmdDef::getOffsetFromIndexString(QString indexString)
{
    return indexNumber(indexParts(indexString).first());
}

short DALRfCmdDef::getEndFromIndexString(QString indexString)
{
    const QStringList parts = indexParts(indexString);
    return parts.size() == 2 ? indexNumber(parts.at(1)) : short(-1);
}

bool DALRfCmdDef::isIndexStringValid(QString indexString)
{
    const short start = getOffsetFromIndexString(indexString);
    const short end = getEndFromIndexString(indexString);
    return start >= 0 && end >= start;
}
