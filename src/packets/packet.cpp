#include "DALPacket.h"
#include "DALCommon.h"
#include "documentcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"

#include <QDomDocument>
#include <QTextStream>

#include <cstdio>

namespace {

// Value of the first child of the first element named tag below element:
// the text of an element holding plain text, empty when it is missing.
QString childValue(QDomElement const &element, QString const &tag)
{
    return DALDom::firstChildValue(DALDom::firstElementByTagName(element, tag));
}

bool isTrue(QString const &value)
{
    const QString lower = value.toLower();
    return lower == QLatin1String("yes") || lower == QLatin1String("true")
           || lower == QLatin1String("1");
}

} // namespace

DALPacket::DALPacket(QString const &name)
    : m_document(nullptr)
    , m_status(0)
{
    m_status = DALCommon::openDomDocument(QStringLiteral("packet/") + name + QStringLiteral(".xml"),
                                          QStringLiteral("Packet"), &m_document, true);
    if (m_status == 0) {
        DocumentRead reading(*m_document);
        createPacket();
        if (reading.exhausted()) {
            m_fields.clear();
            m_status = 2;
        }
        DALDocumentCopy::release(&m_document);
    }
    if (m_status != 0)
        m_errorText = DALCommon::getLatestError();
}

DALPacket::DALPacket(DALPacket const &other)
    : m_document(nullptr)
    , m_status(other.m_status)
    , m_errorText(other.m_errorText)
    , m_name(other.m_name)
    , m_description(other.m_description)
    , m_fields(other.m_fields)
{
}

DALPacket &DALPacket::operator=(DALPacket const &other)
{
    // The document stays with the object that read it.
    if (this != &other) {
        m_status = other.m_status;
        m_errorText = other.m_errorText;
        m_name = other.m_name;
        m_description = other.m_description;
        m_fields = other.m_fields;
    }
    return *this;
}

DALPacket::~DALPacket()
{
    delete m_document;
}

QString const &DALPacket::getName() const
{
    return m_name;
}

QString const &DALPacket::getDescription() const
{
    return m_description;
}

int DALPacket::getFields(QList<Field> &fields) const
{
    fields = m_fields;
    return fields.size();
}

int DALPacket::getStatus() const
{
    return m_status;
}

void DALPacket::createPacket()
{
    const QDomNodeList packets = DALDom::elements(*m_document, QStringLiteral("packet"));
    if (packets.count() != 1) {
        m_status = 5;
        m_errorText = QStringLiteral("Excactly one packet must be defined");
        return;
    }
    QDomElement packet = DALDom::itemAt(packets, 0).toElement();
    m_name = childValue(packet, QStringLiteral("Name"));
    m_description = childValue(packet, QStringLiteral("Description"));
    createFieldList(packet);
}

void DALPacket::createFieldList(QDomElement &packet)
{
    const QDomNodeList nodes = DALDom::elements(packet, QStringLiteral("Field"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement element = DALDom::itemAt(nodes, i).toElement();
        Field field;
        field.name = childValue(element, QStringLiteral("Name"));
        field.description = childValue(element, QStringLiteral("Description"));

        QString type = childValue(element, QStringLiteral("Type"));
        const QString lowerType = type.toLower();
        int base = 0;
        if (lowerType == QLatin1String("hex")) {
            field.type = 16;
            base = 16;
        } else if (lowerType == QLatin1String("decimal")) {
            field.type = 10;
            base = 10;
        } else if (lowerType == QLatin1String("binary")) {
            field.type = 2;
            base = 2;
        } else if (lowerType == QLatin1String("hex_payload")) {
            field.type = 0;
            base = 16;
        } else {
            validate(QStringLiteral("Type"), &type, false);
            return;
        }

        const struct {
            char const *tag;
            unsigned int *target;
        } numbers[] = {
            {"Length", &field.length},
            {"TextLength", &field.textLength},
            {"Min", &field.min},
            {"Max", &field.max},
        };
        for (const auto &number : numbers) {
            const QString tag = QLatin1String(number.tag);
            QString value = childValue(element, tag);
            bool ok = false;
            *number.target = value.toUInt(&ok, base);
            if (!validate(tag, &value, ok))
                return;
        }

        field.fgColor = childValue(element, QStringLiteral("FgColor"));
        field.bgColor = childValue(element, QStringLiteral("BgColor"));
        field.defaultValue = childValue(element, QStringLiteral("Default"));
        field.readOnly = isTrue(childValue(element, QStringLiteral("ReadOnly")));
        field.appendToPayload = isTrue(childValue(element, QStringLiteral("AppendToPayload")));
        m_fields.append(field);
    }
}

bool DALPacket::validate(QString const &name, QString *value, bool valid)
{
    if (!valid) {
        m_status = 5;
        m_errorText = QStringLiteral("Node ") + name + QStringLiteral("= ")
                      + (value ? *value : QString()) + QStringLiteral(" : invalid");
        QTextStream out(stdout);
        out << m_errorText << '\n';
        out.flush();
    }
    return valid;
}
