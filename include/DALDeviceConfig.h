#ifndef DALDEVICECONFIG_H
#define DALDEVICECONFIG_H

#include "dal_export.h"

#include <QMap>
#include <QString>

class QDomDocument;

/**
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
    /**
     * The directory of @p fileName (compared exactly) for @p device, @p phy
     * and @p version, as written in device_config.xml. The most specific
     * entry wins: device+PHY+version, device+PHY, device+version, device.
     * The first call without an instance reads the device's file (its
     * failures are recorded by the loader, or as a `path` without `file`).
     * Returns a null string when the map could not be read, or has no entry
     * for the file or no matching key; nothing is recorded for a miss.
     */
    static QString getPath(QString const &fileName, QString const &device,
                           QString const &phy, QString const &version);
    /// Drops the map; the next getPath() reads the device_config.xml of the device it is given.
    static void deleteInstance();

    /// Status of the last reading of device_config.xml: 0, 1 (not opened), 2 (not parsed) or -1 (`path` without `file`).
    int getStatus();

    /// Copies nothing of consequence: the state is process-wide.
    DALDeviceConfig(DALDeviceConfig const &other);
    /// Assigns nothing of consequence: the state is process-wide.
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
