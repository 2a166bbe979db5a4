#ifndef DALDEVICEDEF_H
#define DALDEVICEDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;

/*
 * The packages a device comes in and the IO pins each package brings out,
 * read from a device definition document that the host has parsed. The
 * document stays the host's; nothing is checked and nothing is recorded.
 *
 * Every Package element at any depth is a package, and every IoPin element
 * at any depth inside it one of its pins, so the pins of a nested package are
 * also listed under the enclosing one. A null document gives no packages.
 */
class DAL_EXPORT DALDeviceDef
{
public:
    struct Package
    {
        QString name;
        QStringList ioPins;
    };

    struct DeviceDef
    {
        QList<DALDeviceDef::Package> packages;
    };

    DALDeviceDef(QDomDocument *document);
    DALDeviceDef(DALDeviceDef const &other);
    DALDeviceDef &operator=(DALDeviceDef const &other);
    ~DALDeviceDef();

    // Valid as long as this object lives.
    DALDeviceDef::DeviceDef *getDeviceDefinition();

private:
    void createPackages(QDomDocument *document);

    DeviceDef m_deviceDef;
};

#endif // DALDEVICEDEF_H
