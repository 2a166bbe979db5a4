#ifndef DALIOREGISTERDEF_H
#define DALIOREGISTERDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;

/*
 * IO register names and their addresses, read from a register declaration
 * document that the host has parsed; the document stays the host's.
 *
 * Every Register element at any depth is one register: attribute name and
 * attribute address, a hexadecimal unsigned 32-bit number (a "0x" prefix is
 * accepted). A register whose address does not parse is left out and
 * reported under its name. Duplicate names stay; lookups take the first.
 *
 * The status first holds the build result and is then overwritten by every
 * getAddress() call. A null document gives an empty table.
 */
class DAL_EXPORT DALIoRegisterDef
{
public:
    struct IoRegister
    {
        QString name;
        unsigned int address;
    };

    DALIoRegisterDef(QDomDocument *document);
    DALIoRegisterDef(DALIoRegisterDef const &other);
    DALIoRegisterDef &operator=(DALIoRegisterDef const &other);
    ~DALIoRegisterDef();

    int getStatus();
    // The member table itself, valid as long as this object lives.
    QList<DALIoRegisterDef::IoRegister> *getIoRegisterDefinition();
    int getAddress(QString const &name, unsigned int *address);

private:
    void createRegisterDefinition(QDomDocument *document);

    int m_status;
    QList<DALIoRegisterDef::IoRegister> m_ioRegisters;
};

#endif // DALIOREGISTERDEF_H
