#ifndef DALDEVICELIST_H
#define DALDEVICELIST_H

#include "dal_export.h"

#include <QString>
#include <QStringList>

class QDomDocument;
class QDomNodeList;

/*
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
    DALDeviceList(QString const &configRoot = "./../config/xml/");
    DALDeviceList(DALDeviceList const &other);
    DALDeviceList &operator=(DALDeviceList const &other);
    ~DALDeviceList();

    int getStatus();
    QString const &getLatestErrorMessage();

    QStringList getDeviceGroups();
    QStringList getGroupDevices(QString &group);
    QString getGroupDescr(QString const &group) const;
    QStringList getDeviceList(QString const &family);
    QString getDeviceBrief(QString const &device);
    QString getDeviceType(QString const &device);
    QString getVersion();

private:
    QString getDeviceTagValue(QString const &device, QString const &tag) const;
    QString getGroupTagValue(QString const &group, QString const &tag) const;
    int getGroupIndex(QString const &group) const;
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
