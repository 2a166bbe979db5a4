#ifndef DALRFOVERRIDEDEF_H
#define DALRFOVERRIDEDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QVector>
#include <QtGlobal>

class QDomDocument;
class QDomElement;

/**
 * The RF override files of a device: every file matching "override_*.xml"
 * (without regard to case) in the directory that the device map gives for
 * "dummy_file_overrides.xml", read in name order ignoring case. Each file
 * becomes one Override named after the file, holding its Element32b entries
 * and its valid WriteCustom byte sequences.
 *
 * A file that cannot be opened or parsed is reported and skipped; the later
 * files are still read. A name that is not exactly "override_<...>.xml" in
 * lower case is reported, but the file is read all the same. Files are opened
 * through the library loader, which lower-cases the whole path.
 *
 * WriteCustom values are a comma-separated list of decimal numbers, each a
 * signed 16-bit value of which the low byte is kept ("-1" gives 255, "300"
 * gives 44). An empty part or a non-number rejects the whole WriteCustom.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * The records that getOverrides() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALRfOverrideDef
{
public:
    /// One `Element32b` entry.
    struct OverrideElement
    {
        QString type;    ///< The `type` attribute.
        QString value;   ///< The element's text, not converted.
        QString comment; ///< The `comment` attribute.
    };

    /// One valid `WriteCustom` element.
    struct OverrideWriteCustom
    {
        QString name;           ///< The `name` attribute.
        QVector<quint8> values; ///< The bytes of its `Values` list, in order.
    };

    /// One override file.
    struct Override
    {
        QString name;                            ///< The file's name, as listed.
        QList<OverrideElement> elements;         ///< Its `Element32b` entries, in document order.
        QList<OverrideWriteCustom> writeCustoms; ///< Its valid `WriteCustom` entries, in document order.
    };

    /**
     * Reads every override file of the device, found through the device map
     * entry "dummy_file_overrides.xml"; a device without entry records
     * "Failed to find path to dummy_file_overrides.xml for device: %1"
     * (code 5). A file that fails is recorded and skipped.
     */
    DALRfOverrideDef(QString &device);
    /// Copies the status, the device name and the records (no document).
    DALRfOverrideDef(const DALRfOverrideDef &other);
    /// Assigns the status, the device name and the records (no document).
    DALRfOverrideDef &operator=(const DALRfOverrideDef &other);
    /// Releases the document it read last, if any.
    ~DALRfOverrideDef();

    /// One record per file, in reading order, modifiable; empty when nothing was read.
    QList<Override> &getOverrides();

private:
    void createOverrides();
    void createOverride(QString fileName);
    int createWriteCustom(Override &override, QDomElement &element);

    QDomDocument *m_document;
    int m_status;
    QString m_device;
    QList<Override> m_overrides;

    static const QString m_overrideFilter;
    static const QString m_overridesPath;
};

#endif // DALRFOVERRIDEDEF_H
