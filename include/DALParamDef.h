#ifndef DALPARAMDEF_H
#define DALPARAMDEF_H

#include "dal_export.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/**
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
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * Negative indexes given to at(), depCount() or depAt(), and an index past the
 * end given to depCount(), are answered with the empty record or 0.
 */
class DAL_EXPORT DALParamDef
{
public:
    /// Parameter type, from the `type` attribute.
    enum PAR_TYPE {
        PT_NONE = 0,    ///< No or an unknown keyword.
        PT_BOOL = 1,    ///< "BOOL".
        PT_TEXT = 2,    ///< "TEXT".
        PT_INT = 4,     ///< "INT".
        PT_FLOAT = 5,   ///< "FLOAT".
        PT_LIST = 6,    ///< "LIST": the choices are in ParamDefinition::listValues.
        PT_WIDGET = 7,  ///< "WIDGET".
        PT_BUTTON = 8,  ///< "BUTTON".
        PT_COMPOSIT = 9 ///< "COMPOSIT".
    };

    /// The panel a parameter is shown on, from the `name` of its `parGroup`.
    enum PAR_GROUP {
        PG_NONE = 0,             ///< No or an unknown keyword.
        PG_MAINRFPARAMETERS = 1, ///< "MainRfParameters".
        PG_CONTTX = 2,           ///< "ContTx".
        PG_CONTRX = 3,           ///< "ContRx".
        PG_PACKETTX = 4,         ///< "PacketTx".
        PG_PACKETRX = 5,         ///< "PacketRx".
        PG_PACKETVIEW = 6        ///< "PacketView".
    };

    /// How a parameter follows another one.
    enum PAR_DEP_TYPE {
        DT_NONE = 0,  ///< No or an unknown keyword.
        DT_EQUAL = 1, ///< "DT_EQUAL": takes the other parameter's value.
        DT_CODE = 2,  ///< "DT_CODE": computed by the host.
        DT_MAP = 3    ///< "DT_MAP": through Dependency::mapping.
    };

    /// How a parameter's value is checked.
    enum PAR_VAL_TYPE {
        VT_NONE = 0,   ///< No check.
        VT_MINMAX = 1, ///< "MINMAX": between Validation::min and Validation::max.
        VT_CODE = 2    ///< "CODE": by the host's check named Validation::name.
    };

    /// The `Validation` of a parameter.
    struct Validation
    {
        QString name;                ///< The `Name` of a CODE check.
        PAR_VAL_TYPE type = VT_NONE; ///< The `type` attribute.
        QString max;                 ///< Text of `Max`.
        QString min;                 ///< Text of `Min`.
    };

    /// One choice of a LIST parameter.
    struct ListValue
    {
        QString text;  ///< The text shown to the user.
        QString value; ///< The value behind it.
    };

    /// One `Dependency` of a parameter.
    struct Dependency
    {
        QString name;                   ///< The `name` attribute.
        PAR_DEP_TYPE type = DT_NONE;    ///< The `Type` keyword.
        PAR_GROUP group = PG_NONE;      ///< The `Group` keyword: the other parameter's panel.
        QString parameter;              ///< The `Parameter` text: the other parameter's name.
        QMap<QString, QString> mapping; ///< `From` text to `To` text of its `Map` elements.
    };

    /// One parameter of a panel.
    struct ParamDefinition
    {
        QString name;              ///< The `name` attribute.
        PAR_GROUP group = PG_NONE; ///< The panel of its `parGroup`.
        PAR_TYPE type = PT_NONE;   ///< The `type` attribute.
        QString label;             ///< Text of `Label`.
        QString unit;              ///< Text of `Unit`.
        QString defValue;          ///< Text of `DefValue`.
        QString className;         ///< Text of `ClassName`.
        QString tooltip;           ///< Text of `Tooltip`.
        QString urlHelp;           ///< Text of `UrlHelp`.
        QString buddy;             ///< Text of `Buddy`.
        bool editable = false;     ///< `Editable` without "NO" in it (false when absent).
        bool readOnly = false;     ///< `Access` without an upper-case "W" (false when absent).
        bool visible = false;      ///< `Visible` without "NO" in it (true when absent).
        bool cmdUpdate = false;    ///< `CmdUpdate` without "NO" in it (true when absent).
        int row = 0;               ///< `Row` in decimal; 0 when not a number.
        Validation validation;     ///< Its `Validation`.
        int precision = 0;         ///< The `precision` of its `ListValues`; -1 when absent.
        QList<ListValue> listValues;    ///< The choices of a LIST parameter, ranges expanded.
        QList<Dependency> dependencies; ///< Its dependencies, in document order.
        QStringList options;            ///< One "name=value" per `Option` element.
    };

    /**
     * Reads the device's "param_definition.xml", found through the device
     * map; a device without entry records "Failed to find path to
     * param_definition.xml for device: %1" (code 5). A faulty parameter is
     * recorded and dropped and ends the reading; earlier ones stay.
     */
    DALParamDef(QString &device);
    /// Copies the records, the status and a handle on the parsed document.
    DALParamDef(DALParamDef const &other);
    /// Assigns the records, the status and a handle on the parsed document.
    DALParamDef &operator=(DALParamDef const &other);
    /// Releases its handle on the document.
    ~DALParamDef();

    /// The number of parameters read.
    int count();
    /// The parameter at @p index; a shared empty record outside 0..count()-1.
    ParamDefinition const &at(int index);
    /// The first parameter named @p name (exact); null when there is none.
    ParamDefinition const *getParamDefinition(QString name);
    /// The number of dependencies of the parameter at @p index; 0 outside 0..count()-1.
    int depCount(int index);
    /// Dependency @p depIndex of the parameter at @p index; a shared empty record when either is out of range.
    Dependency const &depAt(int index, int depIndex);

    /// Whether the device's file exists; records "The %1 file could not be found!" (code 1) when it does not.
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

    QDomDocument *m_document;
    QString m_title;
    QList<ParamDefinition> m_parList;
    int m_status;
    QString m_errorText;
};

#endif // DALPARAMDEF_H
