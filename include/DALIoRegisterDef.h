#ifndef DALIOREGISTERDEF_H
#define DALIOREGISTERDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;

/**
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
 *
 * The records that getIoRegisterDefinition() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALIoRegisterDef
{
public:
    /// One IO register.
    struct IoRegister
    {
        QString name;         ///< The register's name.
        unsigned int address; ///< Its address.
    };

    /// Reads the registers of @p document, which stays the caller's.
    DALIoRegisterDef(QDomDocument *document);
    /// Copies the table.
    DALIoRegisterDef(DALIoRegisterDef const &other);
    /// Assigns the table.
    DALIoRegisterDef &operator=(DALIoRegisterDef const &other);
    /// Releases nothing but its own records.
    ~DALIoRegisterDef();

    /// The result of reading the document, then that of the latest getAddress().
    int getStatus();
    /// The member table itself, modifiable; valid as long as this object lives.
    QList<DALIoRegisterDef::IoRegister> *getIoRegisterDefinition();
    /**
     * Sets @p *address to the address of the first register named @p name
     * and returns 0. An unknown name records "Failed to get address for
     * register %1" (code 1), leaves @p *address unchanged and returns -1.
     */
    int getAddress(QString const &name, unsigned int *address);

private:
    void createRegisterDefinition(QDomDocument *document);

    int m_status;
    QList<DALIoRegisterDef::IoRegister> m_ioRegisters;
};

#endif // DALIOREGISTERDEF_H
