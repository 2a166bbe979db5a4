#ifndef DALCODEGEN_H
#define DALCODEGEN_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;
class QDomElement;

/*
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
 * Copies: a copy holds its own handle on the parsed document (Qt shares the
 * tree between handles and frees it with the last), so nothing is released
 * twice.
 */
class DAL_EXPORT DALCodeGen
{
public:
    struct Field
    {
        QString name;
        QString comment;
    };

    struct Command
    {
        QString name;
        QList<DALCodeGen::Field> fields;
    };

    static DALCodeGen &Instance(QString &dir);

    DALCodeGen(DALCodeGen const &other);
    DALCodeGen &operator=(DALCodeGen const &other);

    QString getCommandFieldComment(QString command, QString field);

private:
    DALCodeGen(QString &dir);
    ~DALCodeGen();

    void createCommands();
    void createFields(QDomElement &element, DALCodeGen::Command &command);

    QDomDocument *m_pDocument;
    int m_status;
    QList<DALCodeGen::Command> m_commands;
};

#endif // DALCODEGEN_H
