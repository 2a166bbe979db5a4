#ifndef DALDEVICECONFIG_H
#define DALDEVICECONFIG_H

#include "dal_export.h"

#include <QMap>
#include <QString>

class QDomDocument;

/*
 * The device map: in which directory each configuration file of a device
 * (optionally for one PHY and one silicon version) lies.
 *
 * The first getPath() reads "<root>/<device>/device_config.xml" for the
 * device it is given and keeps the map until deleteInstance(); until then
 * every lookup is answered from that device's map. A device name may carry
 * its PHY and version joined with "_" ("VO4767W_2G4_PG2.1").
 *
 * The directory texts are returned verbatim: they are not prefixed with the
 * configuration root, so they are absolute or relative to the process's
 * current directory.
 */
class DAL_EXPORT DALDeviceConfig
{
public:
    static QString getPath(QString const &fileName, QString const &device,
                           QString const &phy, QString const &version);
    static void deleteInstance();

    int getStatus();

    DALDeviceConfig(DALDeviceConfig const &other);
    DALDeviceConfig &operator=(DALDeviceConfig const &other);

private:
    DALDeviceConfig(QString const &device, QDomDocument *document);
    ~DALDeviceConfig();

    static void createInstance(QString const &device);
    void createFilenameMap(QString const &device, QDomDocument *document);
    static QString getKey(QString const &device, QString const &phy, QString const &version);
    static void parseDeviceDefinition(QString name, QString *device, QString *phy, QString *version);

    static DALDeviceConfig *m_pInstance;
    static int m_status;
    static QMap<QString, QMap<QString, QString>> m_mapOfFilenames;
};

#endif // DALDEVICECONFIG_H
