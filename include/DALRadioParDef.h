#ifndef DALRADIOPARDEF_H
#define DALRADIOPARDEF_H

#include "dal_export.h"

#include <QList>
#include <QMap>
#include <QSharedPointer>
#include <QString>

class QDomDocument;
class QDomElement;

/*
 * Named radio parameters made of named fields with a position, read from a
 * device's "radio_par_definitions.xml" (one RadioParDef per RadioPar element,
 * in document order; its fields keyed and therefore ordered by name).
 *
 * Positions are read as unsigned 16-bit decimal numbers of which the low 8
 * bits are kept (300 becomes 44); an unreadable position is recorded and gives
 * 0, and reading goes on.
 *
 * Ownership of the Field records: the pointers in RadioParDef::fields are
 * owned by the same record's ownedFields, a list of shared pointers. Copying a
 * RadioParDef, a RadioParDefs or the whole object shares the records, and
 * each is freed with the last copy that holds it, so every copy stays valid
 * whatever is destroyed first. A field replaced by a later namesake is freed
 * while reading. Field records that the host puts into a map itself remain the
 * host's to free.
 *
 * Copies carry the status and the definitions. Each copy holds its own
 * QDomDocument handle on the parsed tree, which Qt shares between the handles
 * and frees with the last one.
 */
class DAL_EXPORT DALRadioParDef
{
public:
    struct Field
    {
        QString name;
        quint8 position = 0;
    };

    struct RadioParDef
    {
        QString name;
        QMap<QString, Field *> fields;
        QList<QSharedPointer<Field>> ownedFields; // keeps the records of fields alive
    };

    struct RadioParDefs
    {
        QList<RadioParDef> radioPars;
    };

    DALRadioParDef(QString &device);
    DALRadioParDef(DALRadioParDef const &other);
    DALRadioParDef &operator=(DALRadioParDef const &other);
    ~DALRadioParDef();

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
