#ifndef DALRFCMDDEF_H
#define DALRFCMDDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class QDomDocument;
class QDomElement;

/*
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
 * Copies: the parsed document belongs to the object that loaded it and is
 * released with it. A copy (or an assigned object) carries the status and the
 * command groups but no document, so copies and the original may be destroyed
 * in any order.
 */
class DAL_EXPORT DALRfCmdDef
{
public:
    struct ListItem
    {
        QString value;
        QString text;
    };

    struct Bitfield
    {
        QString name;
        quint8 bitOffset = 0;
        quint8 bitLength = 0;
        QString type;
        QString description;
        QString access;
        QList<ListItem> listItems;
    };

    struct Field
    {
        QString name;
        quint8 byteOffset = 0;
        quint8 byteLength = 0;
        QString type;
        quint8 ptrOffset = 0;
        QString ptrType;
        QString ptrName;
        QString description;
        QString access;
        QList<Bitfield> bitfields;
    };

    struct RfCommandDefinition
    {
        QString name;
        QString description;
        quint8 size = 0;
        quint16 id = 0;
        QList<Field> fields;
    };

    struct RfCommandGroup
    {
        QString name;
        QList<RfCommandDefinition> definitions;
    };

    struct RfCommandGroups
    {
        QList<RfCommandGroup> groups;
    };

    DALRfCmdDef(QString &device);
    DALRfCmdDef(const DALRfCmdDef &other);
    DALRfCmdDef &operator=(const DALRfCmdDef &other);
    ~DALRfCmdDef();

    RfCommandGroups &getRfCommandGroups();

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
