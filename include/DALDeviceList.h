#ifndef DALDEVICELIST_H
#define DALDEVICELIST_H

#include "dal_export.h"

#include <QString>
#include <QStringList>

class QDomDocument;
class QDomNodeList;

/**
 * The catalogue of devices, "device_list.xml" at the top of the configuration
 * root, arranged in named groups. Constructing a list also sets the library's
 * configuration root.
 *
 * Group queries (getGroupDevices, getGroupDescr) answer only after
 * getDeviceGroups() has been called once. After a failed construction the list
 * queries give empty lists and the single-value queries the error message that
 * was recorded.
 *
 * Copies: every copy holds its own QDomDocument and QDomNodeList handles. Qt
 * shares the parsed tree between such handles and frees it with the last one,
 * so copies and the original may be destroyed in any order and nothing is
 * released twice.
 */
class DAL_EXPORT DALDeviceList
{
public:
    /**
     * Makes @p configRoot the configuration root (DALCommon::setConfigRoot())
     * and reads its "device_list.xml". Failures are recorded by the library;
     * the status is then non-zero and getLatestErrorMessage() gives the
     * latest message.
     */
    DALDeviceList(QString const &configRoot = QLatin1String("./../config/xml/"));
    /// Copies the list, with its own handle on the parsed document.
    DALDeviceList(DALDeviceList const &other);
    /// Assigns the list, with its own handle on the parsed document.
    DALDeviceList &operator=(DALDeviceList const &other);
    /// Releases its handle on the document.
    ~DALDeviceList();

    /// 0, or the first failure of setting the root or reading the file.
    int getStatus();
    /// The latest message of the error list when the constructor failed.
    QString const &getLatestErrorMessage();

    /// Names of the `DeviceGroup` elements in document order; empty when the status is not 0.
    QStringList getDeviceGroups();
    /// The `DeviceName` texts of @p group; empty for an unknown group or before getDeviceGroups().
    QStringList getGroupDevices(QString &group);
    /// The group's `Description`; the latest message when the status is not 0.
    QString getGroupDescr(QString const &group) const;
    /// The `DeviceName` of every `Device` whose `family` attribute is @p family, in document order.
    QStringList getDeviceList(QString const &family);
    /// The `Brief` of the `Device` named @p device; empty when there is none.
    QString getDeviceBrief(QString const &device);
    /// The `DeviceType` of the `Device` named @p device; empty when there is none.
    QString getDeviceType(QString const &device);
    /// Text of the first `version` element; empty when there is none or no file was read.
    QString getVersion();

private:
    QString getDeviceTagValue(QString const &device, QString const &tag) const;
    QString getGroupTagValue(QString const &group, QString const &tag) const;
    int getGroupIndex(QString const &group);
    void copyFrom(DALDeviceList const &other);
    void release();

    QDomDocument *m_pDocument;
    QDomNodeList *m_pGroupNodes;
    QDomNodeList *m_pDeviceNodes;
    QStringList m_groupNames;
    QString m_rootDir;
    int m_status;
    QString m_latestErrorMessage;
};

#endif // DALDEVICELIST_H
