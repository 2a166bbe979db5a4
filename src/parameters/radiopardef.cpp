#include "DALRadioParDef.h"

#include "DALCommon.h"
#include "devicefile_p.h"
#include "documentcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

#include "attachedstate_p.h"
#include "recordcopy_p.h"

#include <map>
#include <memory>
#include <vector>

namespace {

const QString kRadioParFile = QStringLiteral("radio_par_definitions.xml");

// The Field records of one read, shared by the object that read them and its
// copies, and freed with the last of them.
using FieldStore = std::vector<std::unique_ptr<DALRadioParDef::Field>>;
using FieldOwners = AttachedState<DALRadioParDef, std::shared_ptr<FieldStore>>;

void shareFields(DALRadioParDef const *owner, DALRadioParDef const *other)
{
    if (std::shared_ptr<FieldStore> *store = FieldOwners::find(other))
        FieldOwners::obtain(owner) = *store;
    else
        FieldOwners::drop(owner);
}

} // namespace

// The host changes the definitions through getDefinitions(): copies of the
// object get containers of their own (the Field records stay shared).
static void detach(DALRadioParDef::RadioParDef &def)
{
    DALRecordCopy::detach(def.fields);
}

static void detach(DALRadioParDef::RadioParDefs &defs)
{
    DALRecordCopy::detach(defs.radioPars);
}

DALRadioParDef::DALRadioParDef(QString &device)
    : m_document(nullptr), m_status(0)
{
    m_status = DALDeviceFile::openForDevice(kRadioParFile, device, QStringLiteral("radiopardefinitions"),
                                            &m_document);
    if (m_status == 0) {
        DocumentRead reading(*m_document);
        createRadioParDefs();
        if (reading.exhausted()) {
            m_definitions = RadioParDefs();
            FieldOwners::drop(this);
            m_status = 2;
        }
        DALDocumentCopy::release(&m_document);
    }
}

DALRadioParDef::DALRadioParDef(DALRadioParDef const &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document)),
      m_status(other.m_status),
      m_definitions(DALRecordCopy::deepCopy(other.m_definitions))
{
    shareFields(this, &other);
}

DALRadioParDef &DALRadioParDef::operator=(DALRadioParDef const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_status = other.m_status;
        m_definitions = DALRecordCopy::deepCopy(other.m_definitions);
        shareFields(this, &other);
    }
    return *this;
}

DALRadioParDef::~DALRadioParDef()
{
    delete m_document;
    FieldOwners::drop(this);
}

DALRadioParDef::RadioParDefs &DALRadioParDef::getDefinitions()
{
    return m_definitions;
}

void DALRadioParDef::createRadioParDefs()
{
    const QDomNodeList elements = DALDom::elements(*m_document, QStringLiteral("RadioPar"));
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
    // then unreachable and freed right here.
    std::map<QString, std::unique_ptr<Field>> byName;
    const QDomNodeList elements = DALDom::elements(element, QStringLiteral("field"));
    for (int i = 0; i < elements.count(); ++i) {
        QDomElement fieldElement = DALDom::itemAt(elements, i).toElement();
        std::unique_ptr<Field> field(new Field);
        createField(fieldElement, field.get());
        const QString name = field->name;
        byName[name] = std::move(field);
    }
    std::shared_ptr<FieldStore> &store = FieldOwners::obtain(this);
    if (!store)
        store = std::make_shared<FieldStore>();
    for (auto &entry : byName) {
        def.fields.insert(entry.first, entry.second.get());
        store->push_back(std::move(entry.second));
    }
}

void DALRadioParDef::createField(QDomElement &element, Field *field)
{
    field->name = element.attribute(QStringLiteral("name"));
    const QDomElement position = DALDom::firstElementByTagName(element, QStringLiteral("position"));
    bool ok = false;
    const ushort value = DALDom::firstChildValue(position).toUShort(&ok, 10);
    if (!ok) {
        DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid position of field %1 in %2").arg(field->name, kRadioParFile),
                         position.isNull() ? QDomNode(element) : QDomNode(position));
        field->position = 0;
        return;
    }
    field->position = quint8(value & 0xFF);
}
