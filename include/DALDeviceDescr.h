#ifndef DALDEVICEDESCR_H
#define DALDEVICEDESCR_H

#include "dal_export.h"

#include <QString>
#include <QStringList>

class QDomDocument;

/*
 * The texts the host shows about one device, read from its
 * "device_description.xml": brief line, description, photo, product page,
 * documents and the UI class that selects the host's screens.
 *
 * Constructed with device-map lookup, the object first drops the current
 * device map, so this is where the host switches to another device.
 *
 * The first getter that asks for a tag the file lacks sets the status to 5;
 * from then on every single-value getter answers with an empty string. The
 * document list is read once, on the first getDocList(), and kept.
 *
 * Copies: every copy holds its own QDomDocument handle onto the same parsed
 * tree. Qt frees the tree with the last handle, so copies and the original
 * may be destroyed in any order and nothing is released twice.
 *
 * getDocList() on an object whose file did not open gives an empty list and
 * returns 0.
 */
class DAL_EXPORT DALDeviceDescr
{
public:
    DALDeviceDescr(QString &device, bool useDeviceConfig);
    DALDeviceDescr(DALDeviceDescr const &other);
    DALDeviceDescr &operator=(DALDeviceDescr const &other);
    ~DALDeviceDescr();

    int getStatus();
    QString getErrMsg();

    QString getBrief();
    QString getDescription();
    QString getPhotoUrl();
    QString getUiClass();
    QString getUrlProductPage();
    int getDocList(QStringList &list);

private:
    QString getSingleValue(QString const &tag);
    QString getTagValue(QString const &tag);
    void createDocList();

    QString m_errMsg;
    QDomDocument *m_pDocument;
    QStringList m_docList;
    int m_status;
    bool m_docListCreated;
};

#endif // DALDEVICEDESCR_H
