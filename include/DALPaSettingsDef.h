#ifndef DALPASETTINGSDEF_H
#define DALPASETTINGSDEF_H

#include "dal_export.h"
#include "DALRfCmdSettings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/**
 * The power-amplifier tables of a device: every "pasettings*.xml" file of one
 * directory (names matched and sorted without regard to case). Per file, RF
 * designs with frequency ranges, each range with a table of PA levels; a
 * default table serves lookups that match no design and range. The commands
 * of a PA level are read with DALRfCmdSettings::getCommands.
 *
 * A failure inside a file discards that file and stops the reading of the
 * files that sort after it; files read before stay available.
 *
 * When the device map gives no directory for "pasettings.xml" (with
 * useDeviceConfig), nothing is read and nothing is recorded: a device without
 * PA tables is not an error, and the files of the current directory are not
 * taken for the device's.
 *
 * Copies hold their own deep copy of the records, so every object deletes
 * exactly the records it owns; pointers returned by getPaSettingsFile and
 * getPaSettingTable point into the object asked and stay valid while it
 * lives and is not assigned to.
 */
class DAL_EXPORT DALPaSettingsDef
{
public:
    /// One selectable PA level.
    struct PaSetting
    {
        QString text;                        ///< The `text` attribute: the level's name.
        unsigned short value = 0;            ///< `Value`, read in hexadecimal.
        unsigned int txHighPa = 0xFFFFFFFFu; ///< `TxHighPa`, read in hexadecimal; 0xFFFFFFFF without one.
        QList<DALRfCmdSettings::Command> commands; ///< The commands that go with the level.
        QStringList options;                 ///< One "name=text" per `Option`.
    };

    /// The PA levels of one range, or a file's default table.
    struct PaSettingTable
    {
        QList<PaSetting> paSettings; ///< In document order.
    };

    /// A frequency range of an RF design with its table.
    struct FrequencyRange
    {
        unsigned short min = 0;        ///< Lower bound, inclusive (`Min`).
        unsigned short max = 0;        ///< Upper bound, inclusive (`Max`).
        PaSettingTable paSettingTable; ///< Its levels; empty without a `PaSettingTable`.
    };

    /// One `RfDesign` element.
    struct RfDesign
    {
        QString name;                          ///< The `name` attribute.
        QList<FrequencyRange> frequencyRanges; ///< In document order.
    };

    /// One PA settings file.
    struct PaSettings
    {
        QList<RfDesign> rfDesigns;     ///< In document order.
        PaSettingTable defaultPaTable; ///< From its `DefaultPaTable`.
    };

    /**
     * Reads every "pasettings*.xml" of @p directory, or with
     * @p useDeviceConfig of the directory that the device map gives for
     * "pasettings.xml". @p cmdSettings reads the commands; it is not owned and
     * must outlive this object. There is no status: failures show in the
     * error list and in which files are present.
     */
    DALPaSettingsDef(const QString &directory, const QString &deviceName, DALRfCmdSettings *cmdSettings,
                     bool useDeviceConfig);
    /// Copies the device name, the pointer and the tables, with its own records.
    DALPaSettingsDef(const DALPaSettingsDef &other);
    /// Assigns the device name, the pointer and the tables, with its own records.
    DALPaSettingsDef &operator=(const DALPaSettingsDef &other);
    /// Deletes its records.
    ~DALPaSettingsDef();

    /// The tables of @p fileName (any letter case); null and "File does not exists, filename: %1" (code 5) when it was not read.
    PaSettings *getPaSettingsFile(const QString &fileName);
    /**
     * The table of the first range of a design named @p rfDesign that holds
     * @p frequency; the file's default table when none does. Null, with
     * "File does not exists, filename: %1" recorded, for an unknown file.
     * Points into this object's records.
     */
    PaSettingTable *getPaSettingTable(QString fileName, QString rfDesign, unsigned short frequency);
    /// A copy of the commands of the first level of @p table named @p text; empty when there is none.
    QList<DALRfCmdSettings::Command> getPaSettingCommands(PaSettingTable *table, QString &text);
    /// Replaces the command-settings pointer; the files were read in the constructor already.
    void setCmdSettingsPointer(DALRfCmdSettings *cmdSettings);

private:
    int createAllPaSettingTables(const QString &directory, bool useDeviceConfig);
    int createPaSettingTables(QString fileName, QDomDocument *document);
    int createRfDesign(QDomElement &element, PaSettings *paSettings);
    int createFrequencyRange(QDomElement &element, RfDesign *rfDesign);
    int createPaSettingTable(QDomElement &element, PaSettingTable &table);
    int createPaSetting(QDomElement &element, PaSettingTable &table);
    int createOptionList(const QDomNodeList &optionElements, PaSetting *entry);

    void copyRecords(const DALPaSettingsDef &other);
    void releaseRecords();

    QString m_deviceName;
    QString m_currentFile;
    DALRfCmdSettings *m_cmdSettings;
    QMap<QString, PaSettings *> m_paSettings;
    static const QString m_paSettingsFilter;
};

#endif // DALPASETTINGSDEF_H
