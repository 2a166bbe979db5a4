#ifndef DALDEVICEDEF_H
#define DALDEVICEDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;

/**
 * The packages a device comes in and the IO pins each package brings out,
 * read from a device definition document that the host has parsed. The
 * document stays the host's; nothing is checked and nothing is recorded.
 *
 * Every Package element at any depth is a package, and every IoPin element
 * at any depth inside it one of its pins, so the pins of a nested package are
 * also listed under the enclosing one. A null document gives no packages.
 *
 * The records that getDeviceDefinition() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALDeviceDef
{
public:
    /// One package of the device.
    struct Package
    {
        QString name;       ///< The `name` attribute; empty when absent.
        QStringList ioPins; ///< The `name` of every `IoPin` inside, in document order.
    };

    /// Everything the document describes.
    struct DeviceDef
    {
        QList<DALDeviceDef::Package> packages; ///< In document order.
    };

    /// Reads the packages of @p document, which stays the caller's.
    DALDeviceDef(QDomDocument *document);
    /// Copies the packages.
    DALDeviceDef(DALDeviceDef const &other);
    /// Assigns the packages.
    DALDeviceDef &operator=(DALDeviceDef const &other);
    /// Releases nothing but its own records.
    ~DALDeviceDef();

    /// The packages; the pointer is valid as long as this object lives.
    DALDeviceDef::DeviceDef *getDeviceDefinition();

private:
    void createPackages(QDomDocument *document);

    DeviceDef m_deviceDef;
};

#endif // DALDEVICEDEF_H
