#ifndef DALPARAMDEF_H
#define DALPARAMDEF_H

#include "dal_export.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/*
 * The parameters that the host shows on its panels, read from a device's
 * "param_definition.xml": one ParamDefinition per child element of every
 * parGroup element, in document order, with its list values, dependencies,
 * validation rule and options. Everything is read in the constructor.
 *
 * The walk stops at the first parameter whose Dependencies, Validation,
 * ListValues or Option elements are faulty; that parameter is dropped and the
 * ones before it are kept. The messages go to the error list of DALCommon.
 *
 * Keywords (types, panels, dependency and validation types) are matched by
 * upper-casing the text and looking for each keyword as a substring, in a
 * fixed order: "POINTLIST" is an INT, "TextList" a TEXT.
 *
 * Range elements of a ListValues:
 * - the step must be a whole number greater than zero; a step of 0 or less is
 *   refused with "Invalid \"step\" attribute in param_definition.xml. The step
 *   must be greater than zero." and adds no entry;
 * - Begin and End must be written in the same form (both with a "." or both
 *   without); a mixed Range is refused with "The \"Begin\" and \"End\" elements
 *   of a \"Range\" element in param_definition.xml must both be integers or
 *   both be decimal numbers.";
 * - a Range that would give more than 1000000 entries is refused with
 *   "The \"Range\" element in param_definition.xml gives more than 1000000
 *   values.", and a decimal range whose step no longer changes the value ends
 *   there, so that no file can make the reader run out of memory or time;
 * - every child named exactly "Range" expands itself; a child whose tag name
 *   merely contains "Range" stands for the first child named "Range" (and
 *   records the not-an-element message when there is none).
 * All these messages are recorded with error code 1 and drop the parameter.
 *
 * Records: a default-constructed record has empty texts and lists, every number
 * 0 and every flag false, like the shared empty records of at() and depAt().
 * The reset values of a parameter being read (visible and cmdUpdate true,
 * precision -1) are set by the walk.
 *
 * Copies carry the records, the title, the status and the error text. Each
 * copy holds its own QDomDocument handle on the parsed tree, which Qt shares
 * between the handles and frees with the last one, so the original and its
 * copies may be destroyed in any order. getParamDefinition() answers from a
 * name index built once after reading (first record of each name).
 *
 * Negative indexes given to at(), depCount() or depAt(), and an index past the
 * end given to depCount(), are answered with the empty record or 0.
 */
class DAL_EXPORT DALParamDef
{
public:
    enum PAR_TYPE {
        PT_NONE = 0,
        PT_BOOL = 1,
        PT_TEXT = 2,
        PT_INT = 4,
        PT_FLOAT = 5,
        PT_LIST = 6,
        PT_WIDGET = 7,
        PT_BUTTON = 8,
        PT_COMPOSIT = 9
    };

    enum PAR_GROUP {
        PG_NONE = 0,
        PG_MAINRFPARAMETERS = 1,
        PG_CONTTX = 2,
        PG_CONTRX = 3,
        PG_PACKETTX = 4,
        PG_PACKETRX = 5,
        PG_PACKETVIEW = 6
    };

    enum PAR_DEP_TYPE {
        DT_NONE = 0,
        DT_EQUAL = 1,
        DT_CODE = 2,
        DT_MAP = 3
    };

    enum PAR_VAL_TYPE {
        VT_NONE = 0,
        VT_MINMAX = 1,
        VT_CODE = 2
    };

    struct Validation
    {
        QString name;
        PAR_VAL_TYPE type = VT_NONE;
        QString max;
        QString min;
    };

    struct ListValue
    {
        QString text;
        QString value;
    };

    struct Dependency
    {
        QString name;
        PAR_DEP_TYPE type = DT_NONE;
        PAR_GROUP group = PG_NONE;
        QString parameter;
        QMap<QString, QString> mapping;
    };

    struct ParamDefinition
    {
        QString name;
        PAR_GROUP group = PG_NONE;
        PAR_TYPE type = PT_NONE;
        QString label;
        QString unit;
        QString defValue;
        QString className;
        QString tooltip;
        QString urlHelp;
        QString buddy;
        bool editable = false;
        bool readOnly = false;
        bool visible = false;
        bool cmdUpdate = false;
        int row = 0;
        Validation validation;
        int precision = 0;
        QList<ListValue> listValues;
        QList<Dependency> dependencies;
        QStringList options;
    };

    DALParamDef(QString &device);
    DALParamDef(DALParamDef const &other);
    DALParamDef &operator=(DALParamDef const &other);
    ~DALParamDef();

    int count();
    ParamDefinition const &at(int index);
    ParamDefinition const *getParamDefinition(QString name);
    int depCount(int index);
    Dependency const &depAt(int index, int depIndex);

    static bool fileExist(QString const &device);

private:
    friend struct DALTestAccess; // white-box hook for the test suites

    void createParameterList();
    int initParDef(ParamDefinition *parDef);
    PAR_TYPE getType(QString const &text);
    PAR_GROUP getGroup(QString const &text);
    PAR_DEP_TYPE getDepType(QString const &text);
    PAR_VAL_TYPE getValidationType(QString const &text);

    int handleDependencies(QDomElement const &element, ParamDefinition &parDef);
    int handleListOfDependencyMappings(QDomNodeList const &maps, Dependency &dependency);
    int handleValidation(QDomElement const &element, ParamDefinition &parDef);
    int handleListValues(QDomElement const &element, ParamDefinition &parDef);
    int handleListRangeValues(QDomElement const &range, ParamDefinition &parDef);
    int createOptionList(QDomNodeList const &options, ParamDefinition *parDef);

    void readSimpleChildren(QDomElement const &element, ParamDefinition &parDef);
    void buildNameIndex();

    QDomDocument *m_document;
    QString m_title;
    QList<ParamDefinition> m_parList;
    int m_status;
    QString m_errorText;
    QHash<QString, int> m_nameIndex;
};

#endif // DALPARAMDEF_H
