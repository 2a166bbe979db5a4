#ifndef DALPARAMCMDMAPPING_H
#define DALPARAMCMDMAPPING_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/**
 * Which RF commands carry which host parameters, read from a device's
 * "param_cmd_mapping.xml". The file is made of settings blocks; each block
 * names its settings and lists parameter mappings (parameter names and the RF
 * commands they belong to).
 *
 * The parameter list of a block is cumulative: it holds the mappings of every
 * block before it followed by its own. A block without a parameters element
 * still gets its entry, with the list of the blocks before it. The "names"
 * attribute is split at every "," with empty parts and blanks kept. Command
 * texts are kept as written; matching them to commands is the host's business.
 *
 * Faults (a missing parameters, parameter, names or rfCommand element) are
 * recorded in the error list of DALCommon and reading goes on; a mapping
 * without rfCommand elements is dropped. The class keeps no status of its own.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 */
class DAL_EXPORT DALParamCmdMapping
{
public:
    /// One `parameter` element: parameter names and the RF commands that carry them.
    struct Parameter
    {
        QStringList names;      ///< The `names` attribute split at every ",", empty parts and blanks kept.
        QStringList rfCommands; ///< Texts of its `rfCommand` elements, as written.
    };

    /// One `settings` block.
    struct SettingMapping
    {
        QStringList settingNames;    ///< Texts of its `name` elements.
        QList<Parameter> parameters; ///< The mappings of every earlier block, then its own.
    };

    /**
     * Reads the device's "param_cmd_mapping.xml", found through the device
     * map; a device without entry records "Failed to find path to %1 for
     * device: %2" (code 5). Faults of the content are recorded and reading
     * goes on.
     */
    DALParamCmdMapping(QString &device);
    /// Copies the blocks, with its own handle on the parsed document.
    DALParamCmdMapping(DALParamCmdMapping const &other);
    /// Assigns the blocks, with its own handle on the parsed document.
    DALParamCmdMapping &operator=(DALParamCmdMapping const &other);
    /// Releases its handle on the document.
    ~DALParamCmdMapping();

    /// Mappings of the first block, the default; null when the file held no
    /// settings block or was not read. Valid while the object lives unchanged.
    QList<Parameter> const *getDefaultListOfParameters();

    /// Whether the device's file exists; records nothing.
    static bool fileExist(QString const &device);

private:
    friend struct DALTestAccess; // white-box hook for the test suites

    void createParameterMapping();
    QStringList getSettingNames(QDomElement const &settings);
    int getParameters(QDomElement const &settings, QList<Parameter> *parameters);
    int getParameter(QDomElement const &parametersElement, QList<Parameter> *parameters);
    int getRfCommands(QDomNodeList const &rfCommands, Parameter *parameter);

    QDomDocument *m_document;
    QList<SettingMapping> m_settingMappings;
};

#endif // DALPARAMCMDMAPPING_H
