#ifndef DALPACKET_H
#define DALPACKET_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;
class QDomElement;

/**
 * One packet format, read from "packet/<name>.xml" below the configuration
 * root: a name, a description and the fields the host shows and edits when it
 * builds packets.
 *
 * Each field's Type chooses the number base of its Length, TextLength, Min and
 * Max: "hex" and "hex_payload" base 16, "decimal" base 10, "binary" base 2.
 * A field with an unknown type or an unreadable number stops the reading
 * (status 5): the fields before it are kept, and the fault text
 * "Node <element>= <value> : invalid" is written as one line to standard
 * output. A file that does not hold exactly one "packet" element gives status
 * 5 and no fields. Neither fault goes to the library's error list; a file that
 * cannot be opened or parsed gives status 1 or 2 with the loader's message
 * there.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 */
class DAL_EXPORT DALPacket
{
public:
    /// One field of the packet.
    struct Field
    {
        QString name;                 ///< `Name`.
        QString description;          ///< `Description`.
        int type = 0;                 ///< `Type`: 16 "hex", 10 "decimal", 2 "binary", 0 "hex_payload".
        unsigned int length = 0;      ///< `Length`, written in the field's base.
        unsigned int textLength = 0;  ///< `TextLength`, written in the field's base.
        unsigned int min = 0;         ///< `Min`, written in the field's base.
        unsigned int max = 0;         ///< `Max`, written in the field's base.
        QString bgColor;              ///< `BgColor`, as written.
        QString fgColor;              ///< `FgColor`, as written.
        QString defaultValue;         ///< `Default`, as written.
        bool readOnly = false;        ///< `ReadOnly` is "yes", "true" or "1".
        bool appendToPayload = false; ///< `AppendToPayload` is "yes", "true" or "1".
    };

    /**
     * Reads "packet/<name>.xml" below the configuration root. A faulty field
     * sets the status to 5, ends the field list and is printed as
     * "Node <element>= <value> : invalid" on standard output.
     */
    DALPacket(QString const &name);
    /// Copies every value but the parsed document (the copy holds none).
    DALPacket(DALPacket const &other);
    /// Assigns every value but the parsed document.
    DALPacket &operator=(DALPacket const &other);
    /// Deletes the document it read itself, if any.
    ~DALPacket();

    /// The packet's `Name`.
    QString const &getName() const;
    /// The packet's `Description`.
    QString const &getDescription() const;
    /// Replaces @p fields with the fields read, in document order; returns their number.
    int getFields(QList<Field> &fields) const;
    /// 0, 1 or 2 from opening the file, or 5 for a fault in its content.
    int getStatus() const;

private:
    void createPacket();
    void createFieldList(QDomElement &packet);
    bool validate(QString const &name, QString *value, bool valid);

    QDomDocument *m_document;
    int m_status;
    QString m_errorText;
    QString m_name;
    QString m_description;
    QList<Field> m_fields;
};

#endif // DALPACKET_H
