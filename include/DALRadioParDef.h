#ifndef DALRADIOPARDEF_H
#define DALRADIOPARDEF_H

#include "dal_export.h"

#include <QList>
#include <QMap>
#include <QString>

class QDomDocument;
class QDomElement;

/**
 * Named radio parameters made of named fields with a position, read from a
 * device's "radio_par_definitions.xml" (one RadioParDef per RadioPar element,
 * in document order; its fields keyed and therefore ordered by name).
 *
 * Positions are read as unsigned 16-bit decimal numbers of which the low 8
 * bits are kept (300 becomes 44); an unreadable position is recorded and gives
 * 0, and reading goes on.
 *
 * Ownership of the Field records: the object that read them owns them, and
 * so do its copies, together: the records stay valid while that object or any
 * copy of it lives, and are freed once, with the last of them. Copying a
 * RadioParDef or a RadioParDefs copies the pointers only. Assigning another
 * object to this one gives up this object's share of its own records. A field
 * replaced by a later namesake is freed while reading. Field records that the
 * host puts into a map itself remain the host's to free.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * The records that getDefinitions() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALRadioParDef
{
public:
    /// One `field` of a radio parameter.
    struct Field
    {
        QString name;        ///< The `name` attribute.
        quint8 position = 0; ///< Low 8 bits of its `position`; 0 when unreadable.
    };

    /// One `RadioPar` element.
    struct RadioParDef
    {
        QString name;                  ///< The `name` attribute.
        QMap<QString, Field *> fields; ///< Its fields by name; a later namesake replaces an earlier one.
    };

    /// Everything the file holds.
    struct RadioParDefs
    {
        QList<RadioParDef> radioPars; ///< In document order.
    };

    /**
     * Reads the device's "radio_par_definitions.xml", found through the
     * device map; a device without entry records "Failed to find path to %1
     * for device: %2" (code 5).
     */
    DALRadioParDef(QString &device);
    /// Copies the status and the definitions (sharing the field records).
    DALRadioParDef(DALRadioParDef const &other);
    /// Assigns the status and the definitions (sharing the field records).
    DALRadioParDef &operator=(DALRadioParDef const &other);
    /// Releases its handle on the document and its share of the records.
    ~DALRadioParDef();

    /// The definitions, modifiable; valid while the object lives.
    RadioParDefs &getDefinitions();

private:
    friend struct DALTestAccess; // white-box hook for the test suites

    void createRadioParDefs();
    void createRadioParDef(QDomElement &element, RadioParDef &def);
    void createField(QDomElement &element, Field *field);

    QDomDocument *m_document;
    int m_status;
    RadioParDefs m_definitions;
};

#endif // DALRADIOPARDEF_H
