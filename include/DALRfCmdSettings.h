#ifndef DALRFCMDSETTINGS_H
#define DALRFCMDSETTINGS_H

#include "dal_export.h"
#include "DALRfOverrideMap.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class QDomDocument;
class QDomNodeList;

/**
 * The RF command settings of one device: "categories.xml" names categories
 * and their settings, each setting lives in a file of its own with its texts,
 * commands, override blocks and the command files of the four radio test
 * functions. Everything is read in the constructor; the lookups hand out
 * copies, with the commands of a chosen test function merged into the
 * setting's own command list.
 *
 * Every file is found below the directory that the device map gives for
 * "categories.xml". Reading stops at the first failure: the category being
 * read and every later one are missing, earlier ones stay.
 *
 * A test-function command file (or a setting file) named more than once is
 * parsed once per construction; later uses take the commands read the first
 * time, with the same library status as a fresh read. Only reads that
 * succeeded are reused: a failure ends the reading anyway.
 *
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * The records that getRfCategories() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALRfCmdSettings
{
public:
    /// The radio test functions whose commands can be merged into a setting.
    enum TestFunc_e {
        TF_NONE = 0,      ///< No test function: nothing is merged.
        TF_CONT_TX = 1,   ///< Continuous transmit (`ContTX`).
        TF_CONT_RX = 2,   ///< Continuous receive (`ContRX`).
        TF_PACKET_TX = 3, ///< Packet transmit (`PacketTX`).
        TF_PACKET_RX = 4, ///< Packet receive (`PacketRX`).
        TF_ALL = 5        ///< All four, in the order above.
    };

    /// The texts of a setting's `Patch`, not interpreted.
    struct Patch
    {
        QString define; ///< Text of `Define`.
        QString cpe;    ///< Text of `Cpe`.
        QString mce;    ///< Text of `Mce`.
        QString rfe;    ///< Text of `Rfe`.
    };

    /// One field value of a command.
    struct CmdField
    {
        QString name;           ///< The `name` attribute.
        QString value;          ///< The element's text, as written.
        bool tfOverride = true; ///< False when the `tfOverride` attribute is "no" in any letter case.
    };

    /// The override blocks of a command.
    struct OverrideField
    {
        QString name;                 ///< The `name` of the last `OverrideField` read that had one.
        QStringList blocks;           ///< Texts of its `Block` elements, in reading order.
        DALRfOverrideMap overrideMap; ///< Override field name to indexes into @ref blocks.
    };

    /// A raw register write.
    struct WriteCustom
    {
        quint32 address = 0;     ///< The `address` attribute, in hexadecimal.
        QVector<quint32> values; ///< The comma-separated decimal list of `Values`.
    };

    /// One RF command with the values to set in it.
    struct Command
    {
        QString name;                ///< The `name` attribute: the key commands are merged by.
        QString function;            ///< The `function` attribute.
        QList<CmdField> fields;      ///< Its fields, in document order.
        OverrideField overrideField; ///< Its override blocks.
    };

    /// One setting file.
    struct CmdSetting
    {
        QString fileName;                ///< The `Setting` text of categories.xml: the lookup key.
        QString name;                    ///< Text of `Name`.
        QString description;             ///< Text of `Description`.
        QString frequency;               ///< Text of `Frequency`, as written.
        QString options;                 ///< The `options` attribute of the `Setting` element.
        Patch patch;                     ///< Its `Patch` texts.
        QList<WriteCustom> writeCustoms; ///< Empty: setting files carry none.
        QList<Command> commands;         ///< Its own commands.
        QList<Command> contTx;           ///< Commands of the continuous-transmit test function.
        QList<Command> contRx;           ///< Commands of the continuous-receive test function.
        QList<Command> packetTx;         ///< Commands of the packet-transmit test function.
        QList<Command> packetRx;         ///< Commands of the packet-receive test function.
    };

    /// One `Category` of categories.xml.
    struct RfCategory
    {
        QString name;               ///< Text of `Name`: the lookup key.
        QString description;        ///< Text of `Description`.
        QList<CmdSetting> settings; ///< Its settings, in document order.
    };

    /// Everything read.
    struct RfCategories
    {
        QString defCategory;          ///< Text of `DefCategory`.
        QString defSetting;           ///< Text of `DefSetting`.
        QList<RfCategory> categories; ///< In document order.
    };

    /**
     * Reads the device's "categories.xml", found through the device map, and
     * every setting file and test-function file it names. A device without
     * entry records "Failed to find path to %1 for device: %2" (code 5) and
     * sets the status to -1. Reading stops at the first failure (recorded).
     */
    DALRfCmdSettings(QString &deviceName);
    /// Copies the device name, the status and the records.
    DALRfCmdSettings(const DALRfCmdSettings &other);
    /// Assigns the device name, the status and the records.
    DALRfCmdSettings &operator=(const DALRfCmdSettings &other);
    /// Releases its handle on the document.
    ~DALRfCmdSettings();

    /// 0 after a complete read, else the first failure; 0 again after mergeCommandsToSetting().
    int getStatus();
    /// Everything read, modifiable; empty lists when nothing was read.
    RfCategories &getRfCategories();
    /// True when @p command has an override name and at least one block.
    static bool containsOverrides(const Command *command);

    /// @name Lookup and merging
    /// @{

    /**
     * A copy of setting @p setting of category @p category with the commands
     * of @p testFunc merged into its command list. An unknown category records
     * "Default Category not given in categories.xml", an unknown setting
     * "Default setting not given in categories.xml" (code 1); both give an
     * empty record.
     */
    CmdSetting getSetting(const QString &category, const QString &setting, const TestFunc_e &testFunc);
    /// A copy of the first setting named @p setting in any category, nothing merged; an empty record (nothing recorded) when there is none.
    CmdSetting getSetting(const QString &setting);
    /// getSetting() for the default category and setting of categories.xml.
    CmdSetting getDefSetting(const TestFunc_e &testFunc);
    /// The `options` of the first setting named @p setting; empty when there is none.
    QString getSettingOptions(const QString &setting);
    /**
     * Merges @p commands into the command list of @p setting: commands match
     * by name, fields by name (values replaced, new fields appended), new
     * override blocks are appended. With @p appendNew commands without match
     * are appended. Sets the status to 0.
     */
    void mergeCommandsToSetting(CmdSetting &setting, QList<Command> &commands, bool appendNew);
    /// @}

private:
    // They read their own Command elements with getCommands.
    friend class DALPaSettingsDef;
    friend class DALRfFrontEndSettings;

    int createRfCmdSettings();
    int getCmdSettings(QString fileName, QString options, QList<CmdSetting> *settings);
    int readTfCmdFile(QString fileName, QList<Command> *commands);
    int getCommands(const QDomNodeList &commandElements, QString fileName, QList<Command> *commands);
    int getFields(const QDomNodeList &fieldElements, QString fileName, QList<CmdField> *fields);
    int getOverrideFields(const QDomNodeList &overrideFieldElements, OverrideField *overrideField);
    int getOverrideBlocks(const QDomNodeList &blockElements, OverrideField *overrideField);
    int getWriteCustoms(const QDomNodeList &writeCustomElements, QString fileName,
                        QList<WriteCustom> *writeCustoms);
    int getPatches(QString, Patch *);
    int initCmdSetting(CmdSetting *setting);
    int initRfCategory(RfCategory *category);

    int mergeAllSettings(CmdSetting &setting);
    int mergeSettings(QList<Command> *target, QList<Command> *source, bool appendNew);
    int mergeIndexed(QList<Command> *target, QList<Command> *source, bool appendNew);
    int mergeCommand(Command &target, Command &source);
    void mergeOverrideField(Command &target, Command &source);

    QString m_deviceName;
    QDomDocument *m_document;
    int m_status;
    RfCategories m_rfCategories;
};

#endif // DALRFCMDSETTINGS_H
