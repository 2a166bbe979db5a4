#ifndef DALPACKET_H
#define DALPACKET_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;
class QDomElement;

/*
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
 * Copies carry every value but the parsed document, which nothing reads after
 * construction: a copy holds no document, and each object deletes only the
 * document it read itself.
 */
class DAL_EXPORT DALPacket
{
public:
    struct Field
    {
        QString name;
        QString description;
        int type = 0;
        unsigned int length = 0;
        unsigned int textLength = 0;
        unsigned int min = 0;
        unsigned int max = 0;
        QString bgColor;
        QString fgColor;
        QString defaultValue;
        bool readOnly = false;
        bool appendToPayload = false;
    };

    DALPacket(QString const &name);
    DALPacket(DALPacket const &other);
    DALPacket &operator=(DALPacket const &other);
    ~DALPacket();

    QString const &getName() const;
    QString const &getDescription() const;
    int getFields(QList<Field> &fields) const;
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
