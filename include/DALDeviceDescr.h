#ifndef DALDEVICEDESCR_H
#define DALDEVICEDESCR_H

#include "dal_export.h"

#include <QString>
#include <QStringList>

class QDomDocument;

/**
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
    /**
     * Reads the description of @p device. With @p useDeviceConfig the device
     * map is dropped first and the file is found through it; otherwise it is
     * "<root><device lower-cased>/device_description.xml". A failed open
     * records the loader's message and sets the status to 1 or 2.
     */
    DALDeviceDescr(QString &device, bool useDeviceConfig);
    /// Copies the texts, the status and a handle on the parsed document.
    DALDeviceDescr(DALDeviceDescr const &other);
    /// Assigns the texts, the status and a handle on the parsed document.
    DALDeviceDescr &operator=(DALDeviceDescr const &other);
    /// Releases its handle on the document.
    ~DALDeviceDescr();

    /// 0, 1 or 2 from opening the file, or 5 once a getter asked for a missing tag.
    int getStatus();
    /// After a failed open the message's first words directly followed by the path; empty otherwise.
    QString getErrMsg();

    /// Text of `Brief`; empty when the status is not 0 (a missing tag sets it to 5).
    QString getBrief();
    /// Text of `Description`; empty when the status is not 0 (a missing tag sets it to 5).
    QString getDescription();
    /// Text of `Photo`; empty when the status is not 0 (a missing tag sets it to 5).
    QString getPhotoUrl();
    /// Text of `UiClass`; empty when the status is not 0 (a missing tag sets it to 5).
    QString getUiClass();
    /// Text of the first `URL`; empty when the status is not 0 (a missing tag sets it to 5).
    QString getUrlProductPage();
    /// Fills @p list with one "<Name>,<URL>" entry per `Doc` (read once and kept); returns their number.
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
