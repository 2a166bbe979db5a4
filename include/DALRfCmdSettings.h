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

/*
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
 * Copies: the parsed "categories.xml" is only needed while the constructor
 * runs. A copy holds its own QDomDocument handle onto the same implicitly
 * shared tree, which Qt frees with the last handle, so originals and copies
 * can be destroyed in any order and nothing is released twice.
 */
class DAL_EXPORT DALRfCmdSettings
{
public:
    enum TestFunc_e {
        TF_NONE = 0,
        TF_CONT_TX = 1,
        TF_CONT_RX = 2,
        TF_PACKET_TX = 3,
        TF_PACKET_RX = 4,
        TF_ALL = 5
    };

    struct Patch
    {
        QString define;
        QString cpe;
        QString mce;
        QString rfe;
    };

    struct CmdField
    {
        QString name;
        QString value;
        bool tfOverride = true;
    };

    struct OverrideField
    {
        QString name;
        QStringList blocks;
        DALRfOverrideMap overrideMap;
    };

    struct WriteCustom
    {
        quint32 address = 0;
        QVector<quint32> values;
    };

    struct Command
    {
        QString name;
        QString function;
        QList<CmdField> fields;
        OverrideField overrideField;
    };

    struct CmdSetting
    {
        QString fileName;
        QString name;
        QString description;
        QString frequency;
        QString options;
        Patch patch;
        QList<WriteCustom> writeCustoms;
        QList<Command> commands;
        QList<Command> contTx;
        QList<Command> contRx;
        QList<Command> packetTx;
        QList<Command> packetRx;
    };

    struct RfCategory
    {
        QString name;
        QString description;
        QList<CmdSetting> settings;
    };

    struct RfCategories
    {
        QString defCategory;
        QString defSetting;
        QList<RfCategory> categories;
    };

    DALRfCmdSettings(QString &deviceName);
    DALRfCmdSettings(const DALRfCmdSettings &other);
    DALRfCmdSettings &operator=(const DALRfCmdSettings &other);
    ~DALRfCmdSettings();

    int getStatus();
    RfCategories &getRfCategories();
    static bool containsOverrides(const Command *command);

    // Lookup and merging
    CmdSetting getSetting(const QString &category, const QString &setting, const TestFunc_e &testFunc);
    CmdSetting getSetting(const QString &setting);
    CmdSetting getDefSetting(const TestFunc_e &testFunc);
    QString getSettingOptions(const QString &setting);
    void mergeCommandsToSetting(CmdSetting &setting, QList<Command> &commands, bool appendNew);

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
    int mergeCommand(Command &target, Command &source);
    void mergeOverrideField(Command &target, Command &source);

    QString m_deviceName;
    QDomDocument *m_document;
    int m_status;
    RfCategories m_rfCategories;
};

#endif // DALRFCMDSETTINGS_H
