#include "DALIoRegisterDef.h"

#include "DALCommon.h"

#include "recordcopy_p.h"

#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

// The host changes the list through getIoRegisterDefinition(): copies get a
// list of their own, so that its pointer never sees another object's changes.
static void detach(DALIoRegisterDef::IoRegister &) {}

DALIoRegisterDef::DALIoRegisterDef(QDomDocument *document)
    : m_status(0)
{
    DocumentRead reading(document ? *document : QDomDocument(), QStringLiteral("IO register definitions"));
    createRegisterDefinition(document);
    if (reading.exhausted()) {
        m_ioRegisters.clear();
        m_status = 2;
    }
}

DALIoRegisterDef::DALIoRegisterDef(const DALIoRegisterDef &other)
    : m_status(other.m_status)
    , m_ioRegisters(DALRecordCopy::deepCopy(other.m_ioRegisters))
{
}

DALIoRegisterDef &DALIoRegisterDef::operator=(const DALIoRegisterDef &other)
{
    if (this != &other) {
        m_status = other.m_status;
        m_ioRegisters = DALRecordCopy::deepCopy(other.m_ioRegisters);
    }
    return *this;
}

DALIoRegisterDef::~DALIoRegisterDef() = default;

int DALIoRegisterDef::getStatus()
{
    return m_status;
}

QList<DALIoRegisterDef::IoRegister> *DALIoRegisterDef::getIoRegisterDefinition()
{
    return &m_ioRegisters;
}

int DALIoRegisterDef::getAddress(const QString &name, unsigned int *address)
{
    m_status = 0;
    for (const IoRegister &reg : qAsConst(m_ioRegisters)) {
        if (reg.name == name) {
            if (address)
                *address = reg.address;
            return m_status;
        }
    }
    DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Failed to get address for register %1").arg(name));
    m_status = -1;
    return m_status;
}

void DALIoRegisterDef::createRegisterDefinition(QDomDocument *document)
{
    m_ioRegisters.clear();
    if (!document)
        return;
    const QDomNodeList nodes = DALDom::elements(*document, QStringLiteral("Register"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement element = nodes.item(i).toElement();
        const QString name = element.attribute(QStringLiteral("name"));
        bool ok = false;
        // Base 16 accepts an optional "0x" prefix; more than 32 bits fails.
        const unsigned int address = element.attribute(QStringLiteral("address")).toUInt(&ok, 16);
        if (!ok) {
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value of IO register address: %1").arg(name), element,
                             QStringLiteral("address"));
            m_status = -1;
            continue;
        }
        m_ioRegisters.append({name, address});
    }
}
