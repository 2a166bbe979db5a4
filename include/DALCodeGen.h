#ifndef DALCODEGEN_H
#define DALCODEGEN_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;
class QDomElement;

/**
 * Comments for the fields of RF commands in generated source code, read once
 * per process from "<root><dir>/codegen.xml" (dir lower-cased). The first call
 * of Instance creates the one instance from its directory; later calls ignore
 * their argument. The creation is guarded, so concurrent first calls still
 * read the file once; lookups only read.
 *
 * getCommandFieldComment tries every command of the given name in document
 * order, so a field missing from the first such command may come from a later
 * one.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 */
class DAL_EXPORT DALCodeGen
{
public:
    /// One field of a command with its comment.
    struct Field
    {
        QString name;    ///< The field's `name` attribute.
        QString comment; ///< Text of its first `Comment` element; empty without one.
    };

    /// One `Command` element of "codegen.xml".
    struct Command
    {
        QString name;                    ///< The command's `name` attribute (empty when absent).
        QList<DALCodeGen::Field> fields; ///< Its fields, in document order.
    };

    /**
     * The instance of the process, created by the first call from
     * "<root><dir>/codegen.xml" (dir lower-cased). Later calls ignore @p dir.
     * A file that cannot be read records the loader's message; every lookup
     * then gives an empty comment. The instance lives until the process ends.
     */
    static DALCodeGen &Instance(QString &dir);

    /// Copies the commands and a handle on the parsed document.
    DALCodeGen(DALCodeGen const &other);
    /// Assigns the commands and a handle on the parsed document.
    DALCodeGen &operator=(DALCodeGen const &other);

    /**
     * The comment of @p field of @p command: the first field of that name in
     * the first command of that name that has one (exact, case-sensitive).
     * Empty when nothing matches or the file was not read. Records nothing.
     */
    QString getCommandFieldComment(QString command, QString field);

private:
    friend struct DALTestAccess; // white-box hook for the tests and fuzz targets
    DALCodeGen(QString &dir);
    ~DALCodeGen();

    void createCommands();
    void createFields(QDomElement &element, DALCodeGen::Command &command);

    QDomDocument *m_pDocument;
    int m_status;
    QList<DALCodeGen::Command> m_commands;
};

#endif // DALCODEGEN_H
