#ifndef DALPASETTINGSDEF_H
#define DALPASETTINGSDEF_H

#include "dal_export.h"
#include "DALRfCmdSettings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/*
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
    struct PaSetting
    {
        QString text;
        unsigned short value = 0;
        unsigned int txHighPa = 0xFFFFFFFFu;
        QList<DALRfCmdSettings::Command> commands;
        QStringList options;
    };

    struct PaSettingTable
    {
        QList<PaSetting> paSettings;
    };

    struct FrequencyRange
    {
        unsigned short min = 0;
        unsigned short max = 0;
        PaSettingTable paSettingTable;
    };

    struct RfDesign
    {
        QString name;
        QList<FrequencyRange> frequencyRanges;
    };

    struct PaSettings
    {
        QList<RfDesign> rfDesigns;
        PaSettingTable defaultPaTable;
    };

    DALPaSettingsDef(const QString &directory, const QString &deviceName, DALRfCmdSettings *cmdSettings,
                     bool useDeviceConfig);
    DALPaSettingsDef(const DALPaSettingsDef &other);
    DALPaSettingsDef &operator=(const DALPaSettingsDef &other);
    ~DALPaSettingsDef();

    PaSettings *getPaSettingsFile(const QString &fileName);
    PaSettingTable *getPaSettingTable(QString fileName, QString rfDesign, unsigned short frequency);
    QList<DALRfCmdSettings::Command> getPaSettingCommands(PaSettingTable *table, QString &text);
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
