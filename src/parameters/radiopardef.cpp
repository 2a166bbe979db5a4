#include "DALRadioParDef.h"

#include "DALCommon.h"
#include "devicefile.h"
#include "documentcopy.h"
#include "domutil.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

namespace {

const QString kFileName = QStringLiteral("radio_par_definitions.xml");

} // namespace

DALRadioParDef::DALRadioParDef(QString &device)
    : m_document(nullptr), m_status(0)
{
    m_status = DALDeviceFile::openForDevice(kFileName, device, QStringLiteral("radiopardefinitions"),
                                            &m_document);
    if (m_status == 0)
        createRadioParDefs();
}

DALRadioParDef::DALRadioParDef(DALRadioParDef const &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document)),
      m_status(other.m_status),
      m_definitions(other.m_definitions)
{
}

DALRadioParDef &DALRadioParDef::operator=(DALRadioParDef const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_status = other.m_status;
        m_definitions = other.m_definitions;
    }
    return *this;
}

DALRadioParDef::~DALRadioParDef()
{
    delete m_document;
}

DALRadioParDef::RadioParDefs &DALRadioParDef::getDefinitions()
{
    return m_definitions;
}

void DALRadioParDef::createRadioParDefs()
{
    const QDomNodeList elements = m_document->elementsByTagName(QStringLiteral("RadioPar"));
    for (int i = 0; i < elements.count(); ++i) {
        QDomElement element = DALDom::itemAt(elements, i).toElement();
        RadioParDef def;
        createRadioParDef(element, def);
        m_definitions.radioPars.append(def);
    }
}

void DALRadioParDef::createRadioParDef(QDomElement &element, RadioParDef &def)
{
    def.name = element.attribute(QStringLiteral("name"));
    // A later field of the same name replaces the earlier one, whose record is
    // then unreachable and freed with its last shared pointer right here.
    QMap<QString, QSharedPointer<Field>> byName;
    const QDomNodeList elements = element.elementsByTagName(QStringLiteral("field"));
    for (int i = 0; i < elements.count(); ++i) {
        QDomElement fieldElement = DALDom::itemAt(elements, i).toElement();
        QSharedPointer<Field> field(new Field);
        createField(fieldElement, field.data());
        byName.insert(field->name, field);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        def.fields.insert(it.key(), it.value().data());
        def.ownedFields.append(it.value());
    }
}

void DALRadioParDef::createField(QDomElement &element, Field *field)
{
    field->name = element.attribute(QStringLiteral("name"));
    const QDomElement position = DALDom::firstElementByTagName(element, QStringLiteral("position"));
    bool ok = false;
    const ushort value = DALDom::firstChildValue(position).toUShort(&ok, 10);
    if (!ok) {
        DALCommon::setError(1, QStringLiteral("Invalid position of field %1 in %2").arg(field->name, kFileName));
        field->position = 0;
        return;
    }
    field->position = quint8(value & 0xFF);
}
