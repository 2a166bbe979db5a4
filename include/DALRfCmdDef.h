#ifndef DALRFCMDDEF_H
#define DALRFCMDDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class QDomDocument;
class QDomElement;

/**
 * The byte and bit layout of a device's RF commands, read from its
 * "rf_command_definitions.xml". Commands come in groups; the fields of a
 * group's first CommonFields block are placed in front of the own fields of
 * every command of that group.
 *
 * Byte and bit ranges are written "first..last" in decimal. Each number is
 * read as a signed 16-bit value of which the low 8 bits are kept, so "256..257"
 * means 0..1 and "-1..3" (255..3) is invalid. A range is valid when it has
 * exactly two numbers and last >= first. An invalid range is recorded as
 * "XML validation failed" (a message only: the library status stays 0) and
 * leaves offset and length at 0; the entry is kept.
 *
 * A command's size is the end (offset + length, modulo 256) of the last field
 * with a valid byte range. A command of size 0, without name or without a
 * readable hexadecimal id ends the reading of its group; later groups are
 * still read.
 *
 * The object is loaded once, in its constructor; its outcome shows in the
 * library's error list. Any rejected content, not only invalid ranges, marks
 * the object's own status as failed.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * The records that getRfCommandGroups() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALRfCmdDef
{
public:
    /// One value of a bit field of type "List".
    struct ListItem
    {
        QString value; ///< The `Value` text, not converted.
        QString text;  ///< The `Text` text.
    };

    /// One `BitField` of a field.
    struct Bitfield
    {
        QString name;              ///< The `name` attribute.
        quint8 bitOffset = 0;      ///< First bit; 0 when the range is invalid.
        quint8 bitLength = 0;      ///< Number of bits; 0 when the range is invalid.
        QString type;              ///< The `Type` text.
        QString description;       ///< The `BitDescription` text.
        QString access;            ///< The `BitAccess` text.
        QList<ListItem> listItems; ///< Its values, only when `type` is "List".
    };

    /// One `Field` of a command.
    struct Field
    {
        QString name;              ///< The `name` attribute.
        quint8 byteOffset = 0;     ///< First byte; 0 when the range is invalid.
        quint8 byteLength = 0;     ///< Number of bytes; 0 when the range is invalid.
        QString type;              ///< The `type` attribute.
        quint8 ptrOffset = 0;      ///< `Offset` of a "pointer" field.
        QString ptrType;           ///< `PtrType` of a "pointer" field.
        QString ptrName;           ///< `PtrName` of a "pointer" field.
        QString description;       ///< The `Description` text.
        QString access;            ///< The `Access` text.
        QList<Bitfield> bitfields; ///< Its bit fields, in document order.
    };

    /// One `Command` element.
    struct RfCommandDefinition
    {
        QString name;        ///< The `name` attribute.
        QString description; ///< The `Description` text.
        quint8 size = 0;     ///< Length in bytes: the end of the last field with a valid range.
        quint16 id = 0;      ///< The `id`, read in hexadecimal.
        QList<Field> fields; ///< The group's common fields, then its own, in document order.
    };

    /// One `CommandGroup` element.
    struct RfCommandGroup
    {
        QString name;                           ///< The `name` attribute.
        QList<RfCommandDefinition> definitions; ///< Its commands, in document order.
    };

    /// Everything the file holds.
    struct RfCommandGroups
    {
        QList<RfCommandGroup> groups; ///< In document order.
    };

    /**
     * Reads the device's "rf_command_definitions.xml", found through the
     * device map; a device without entry records "Failed to find path to %1
     * for device: %2" (code 5). Rejected content is recorded; what could be
     * read is kept.
     */
    DALRfCmdDef(QString &device);
    /// Copies the status and the command groups (no document).
    DALRfCmdDef(const DALRfCmdDef &other);
    /// Assigns the status and the command groups (no document).
    DALRfCmdDef &operator=(const DALRfCmdDef &other);
    /// Releases the document it loaded, if any.
    ~DALRfCmdDef();

    /// The command groups, modifiable; empty when nothing was read.
    RfCommandGroups &getRfCommandGroups();

    /// Whether the device's file exists in the directory the device map gives; records nothing.
    static bool fileExist(const QString &device);

private:
    void createRfCmdGroups();
    void createRfCmdDefinitions(QDomElement &groupElement, RfCommandGroup &group);
    void createFields(QDomElement &element, RfCommandDefinition &definition);
    void createBitfields(QDomElement &fieldElement, Field &field);
    void createListItems(QDomElement &bitfieldElement, Bitfield &bitfield);
    short getOffsetFromIndexString(QString indexString);
    short getEndFromIndexString(QString indexString);
    bool isIndexStringValid(QString indexString);

    QDomDocument *m_document;
    int m_status;
    RfCommandGroups m_rfCommandGroups;
};

#endif // DALRFCMDDEF_H
