// dal-inspect check: reads every device of a tree with every per-device
// reader, the way a host does, and reports what the library recorded.
//
// Per device: the device map is dropped and the error list cleared, then
// "device_config.xml" is read. When it fails the device fails and its readers
// are not run (they would all look unconfigured). Otherwise each reader runs
// in turn on a cleared error list, unless the device map has no entry for its
// file: then it is "not configured", which is no failure. Last come the name
// references between the files, which no reader checks by itself.

#include "command.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfOverrideDef.h"
#include "DALPaSettingsDef.h"
#include "DALRfFrontEndSettings.h"

#include <QDir>
#include <QHash>
#include <QSet>

#include <memory>

namespace {

enum State { Ok, Failed, NotConfigured, Skipped };

struct ReaderResult
{
    QString id;
    QString title;
    QString file;
    QString directory;
    State state = Ok;
    QStringList messages;
};

struct DeviceResult
{
    QString name;
    QList<ReaderResult> readers;
};

QString stateName(State state)
{
    switch (state) {
    case Ok: return QStringLiteral("ok");
    case Failed: return QStringLiteral("failed");
    case NotConfigured: return QStringLiteral("not configured");
    case Skipped: return QStringLiteral("skipped");
    }
    return QString();
}

// Readers that own a file; the order is the one a host typically uses.
struct ReaderInfo
{
    char const *id;
    char const *title;
    char const *file;
};

const ReaderInfo kDescription{"description", "device description", "device_description.xml"};
const ReaderInfo kParameters{"parameters", "parameter definitions", "param_definition.xml"};
const ReaderInfo kMapping{"mapping", "parameter-command mapping", "param_cmd_mapping.xml"};
const ReaderInfo kRadioPars{"radioParameters", "radio parameters", "radio_par_definitions.xml"};
const ReaderInfo kCommands{"commands", "command definitions", "rf_command_definitions.xml"};
const ReaderInfo kOverrides{"overrides", "overrides", "dummy_file_overrides.xml"};
const ReaderInfo kSettings{"settings", "command settings", "categories.xml"};
const ReaderInfo kPa{"pa", "PA settings", "pasettings.xml"};
const ReaderInfo kFrontEnds{"frontEnds", "front ends", "frontend_settings.xml"};

// Collects the names that tie the files of one device together and reports
// the ones that point at nothing.
class NameCheck
{
public:
    void defineCommands(DALRfCmdDef &definitions)
    {
        m_haveCommands = true;
        for (const DALRfCmdDef::RfCommandGroup &group : definitions.getRfCommandGroups().groups) {
            for (const DALRfCmdDef::RfCommandDefinition &command : group.definitions) {
                QSet<QString> &fields = m_commands[command.name];
                for (const DALRfCmdDef::Field &field : command.fields) {
                    fields.insert(field.name);
                    for (const DALRfCmdDef::Bitfield &bitfield : field.bitfields)
                        fields.insert(field.name + QLatin1Char('.') + bitfield.name);
                }
            }
        }
    }

    void defineParameters(DALParamDef &definitions)
    {
        m_haveParameters = true;
        for (int i = 0; i < definitions.count(); ++i)
            m_parameters.insert(definitions.at(i).name);
    }

    // Field names are a field of the command or "field.bitfield".
    void checkCommands(QList<DALRfCmdSettings::Command> const &commands, QString const &where)
    {
        if (!m_haveCommands)
            return;
        for (const DALRfCmdSettings::Command &command : commands) {
            const auto known = m_commands.constFind(command.name);
            if (known == m_commands.cend()) {
                add(QStringLiteral("%1: command \"%2\" is not defined in rf_command_definitions.xml")
                        .arg(where, command.name));
                continue;
            }
            for (const DALRfCmdSettings::CmdField &field : command.fields) {
                if (!known->contains(field.name)) {
                    add(QStringLiteral("%1: field \"%2\" of %3 is not defined in rf_command_definitions.xml")
                            .arg(where, field.name, command.name));
                }
            }
        }
    }

    void checkMapping(QList<DALParamCmdMapping::Parameter> const &parameters)
    {
        const QString where = QStringLiteral("param_cmd_mapping.xml");
        for (const DALParamCmdMapping::Parameter &parameter : parameters) {
            for (const QString &name : parameter.names) {
                if (m_haveParameters && !m_parameters.contains(name))
                    add(QStringLiteral("%1: parameter \"%2\" is not defined in param_definition.xml").arg(where, name));
            }
            for (const QString &command : parameter.rfCommands) {
                if (m_haveCommands && !m_commands.contains(command))
                    add(QStringLiteral("%1: command \"%2\" is not defined in rf_command_definitions.xml")
                            .arg(where, command));
            }
        }
    }

    bool canCheck() const { return m_haveCommands || m_haveParameters; }
    QStringList const &messages() const { return m_messages; }

private:
    // A test-function file named by several settings gives its findings once.
    void add(QString const &message)
    {
        if (!m_messages.contains(message))
            m_messages.append(message);
    }

    bool m_haveCommands = false;
    bool m_haveParameters = false;
    QHash<QString, QSet<QString>> m_commands;
    QSet<QString> m_parameters;
    QStringList m_messages;
};

class DeviceCheck
{
public:
    DeviceCheck(QString const &root, QString const &device) : m_root(root) { m_result.name = device; }

    DeviceResult run()
    {
        if (!readDeviceConfig())
            return m_result;
        checkDescription();
        checkParameters();
        checkMapping();
        checkRadioParameters();
        checkCommandDefinitions();
        checkOverrides();
        checkSettings();
        checkPaSettings();
        checkFrontEnds();
        checkNames();
        return m_result;
    }

private:
    bool readDeviceConfig()
    {
        DALDeviceConfig::deleteInstance();
        DALCommon::clearErrorList();
        ReaderResult entry{QStringLiteral("deviceConfig"), QStringLiteral("device configuration"),
                           QStringLiteral("device_config.xml"), m_root + m_result.name.toLower(), Ok, {}};
        // Any lookup reads the file; the name looked up does not matter.
        DALDeviceConfig::getPath(entry.file, m_result.name, QString(), QString());
        finish(entry, 0);
        m_result.readers.append(entry);
        return entry.state == Ok;
    }

    // Starts a reader's entry; false when the device map has no entry for the
    // reader's file.
    bool begin(ReaderInfo const &info, ReaderResult *entry)
    {
        DALCommon::clearErrorList();
        entry->id = QString::fromLatin1(info.id);
        entry->title = QString::fromLatin1(info.title);
        entry->file = QString::fromLatin1(info.file);
        entry->directory = DALDeviceConfig::getPath(entry->file, m_result.name, QString(), QString());
        if (entry->directory.isEmpty()) {
            entry->state = NotConfigured;
            m_result.readers.append(*entry);
            return false;
        }
        return true;
    }

    // The reader's messages; a failing status without any message is
    // reported too, so that no failure goes unseen.
    void finish(ReaderResult &entry, int status, QStringList const &findings = QStringList())
    {
        entry.messages = DALCommon::getErrorList() + findings;
        if (status != 0 && entry.messages.isEmpty())
            entry.messages << QStringLiteral("The %1 reader ended with status %2 without a message.")
                                  .arg(entry.title).arg(status);
        entry.state = entry.messages.isEmpty() ? Ok : Failed;
        DALCommon::clearErrorList();
    }

    void append(ReaderResult &entry, int status, QStringList const &findings = QStringList())
    {
        finish(entry, status, findings);
        m_result.readers.append(entry);
    }

    void checkDescription()
    {
        ReaderResult entry;
        if (!begin(kDescription, &entry))
            return;
        QString device = m_result.name;
        DALDeviceDescr description(device, true);
        // The host asks for every text; a missing tag silences the getters
        // after it, so each one is asked of a fresh copy.
        struct Tag { char const *name; QString (DALDeviceDescr::*get)(); };
        const Tag tags[] = {
            {"Brief", &DALDeviceDescr::getBrief},
            {"Description", &DALDeviceDescr::getDescription},
            {"Photo", &DALDeviceDescr::getPhotoUrl},
            {"URL", &DALDeviceDescr::getUrlProductPage},
            {"UiClass", &DALDeviceDescr::getUiClass},
        };
        QStringList findings;
        if (description.getStatus() == 0) {
            for (const Tag &tag : tags) {
                DALDeviceDescr probe(description);
                (probe.*tag.get)();
                if (probe.getStatus() != 0)
                    findings << QStringLiteral("device_description.xml has no \"%1\" element")
                                    .arg(QLatin1String(tag.name));
            }
        }
        append(entry, description.getStatus() == 0 ? 0 : description.getStatus(), findings);
    }

    void checkParameters()
    {
        ReaderResult entry;
        if (!begin(kParameters, &entry))
            return;
        QString device = m_result.name;
        DALParamDef definitions(device);
        append(entry, 0);
        if (entry.state == Ok)
            m_names.defineParameters(definitions);
    }

    void checkMapping()
    {
        ReaderResult entry;
        if (!begin(kMapping, &entry))
            return;
        QString device = m_result.name;
        m_mapping.reset(new DALParamCmdMapping(device));
        append(entry, 0);
        if (entry.state != Ok)
            m_mapping.reset();
    }

    void checkRadioParameters()
    {
        ReaderResult entry;
        if (!begin(kRadioPars, &entry))
            return;
        QString device = m_result.name;
        DALRadioParDef definitions(device);
        append(entry, 0);
    }

    void checkCommandDefinitions()
    {
        ReaderResult entry;
        if (!begin(kCommands, &entry))
            return;
        QString device = m_result.name;
        DALRfCmdDef definitions(device);
        append(entry, 0);
        if (entry.state == Ok)
            m_names.defineCommands(definitions);
    }

    void checkOverrides()
    {
        ReaderResult entry;
        if (!begin(kOverrides, &entry))
            return;
        QString device = m_result.name;
        DALRfOverrideDef overrides(device);
        append(entry, 0);
    }

    // The PA and front-end readers read their commands through a settings
    // object, so one is made even when "categories.xml" is not configured.
    void checkSettings()
    {
        QString device = m_result.name;
        ReaderResult entry;
        if (!begin(kSettings, &entry)) {
            m_settings.reset(new DALRfCmdSettings(device));
            DALCommon::clearErrorList();
            return;
        }
        m_settings.reset(new DALRfCmdSettings(device));
        int status = m_settings->getStatus();
        // A host starts from the default setting with every test function.
        if (status == 0)
            m_settings->getDefSetting(DALRfCmdSettings::TF_ALL);
        append(entry, status);
        if (entry.state != Ok)
            return;
        for (const DALRfCmdSettings::RfCategory &category : qAsConst(m_settings->getRfCategories().categories)) {
            for (const DALRfCmdSettings::CmdSetting &setting : category.settings) {
                m_names.checkCommands(setting.commands, setting.fileName);
                m_names.checkCommands(setting.contTx, setting.fileName + QStringLiteral(", ContTX"));
                m_names.checkCommands(setting.contRx, setting.fileName + QStringLiteral(", ContRX"));
                m_names.checkCommands(setting.packetTx, setting.fileName + QStringLiteral(", PacketTX"));
                m_names.checkCommands(setting.packetRx, setting.fileName + QStringLiteral(", PacketRX"));
            }
        }
    }

    void checkPaSettings()
    {
        ReaderResult entry;
        if (!begin(kPa, &entry))
            return;
        DALPaSettingsDef paSettings(QString(), m_result.name, m_settings.get(), true);
        append(entry, 0);
        if (entry.state != Ok)
            return;
        // Every file of the pattern was read; look each one up for its names.
        const QStringList files = QDir(entry.directory).entryList(QStringList(QStringLiteral("pasettings*.xml")),
                                                                  QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString &file : files) {
            DALPaSettingsDef::PaSettings *content = paSettings.getPaSettingsFile(file);
            if (!content)
                continue;
            for (const DALPaSettingsDef::RfDesign &design : qAsConst(content->rfDesigns)) {
                for (const DALPaSettingsDef::FrequencyRange &range : design.frequencyRanges) {
                    for (const DALPaSettingsDef::PaSetting &level : range.paSettingTable.paSettings)
                        m_names.checkCommands(level.commands, QStringLiteral("%1, RfDesign \"%2\", PaSetting \"%3\"")
                                                                  .arg(file, design.name, level.text));
                }
            }
            for (const DALPaSettingsDef::PaSetting &level : qAsConst(content->defaultPaTable.paSettings))
                m_names.checkCommands(level.commands, QStringLiteral("%1, DefaultPaTable, PaSetting \"%2\"")
                                                          .arg(file, level.text));
        }
        DALCommon::clearErrorList();
    }

    void checkFrontEnds()
    {
        ReaderResult entry;
        if (!begin(kFrontEnds, &entry))
            return;
        DALRfFrontEndSettings frontEnds(m_result.name, m_settings.get());
        append(entry, frontEnds.getStatus());
        if (entry.state != Ok)
            return;
        for (const QString &name : frontEnds.getFrontEndNames()) {
            for (const DALRfFrontEndSettings::FrequencyRange &range : frontEnds.getFrontEnd(name)->frequencyRanges)
                m_names.checkCommands(range.commands,
                                      QStringLiteral("frontend_settings.xml, FrontEnd \"%1\"").arg(name));
        }
    }

    void checkNames()
    {
        ReaderResult entry{QStringLiteral("names"), QStringLiteral("name references"), QString(), QString(),
                           Skipped, {}};
        if (m_names.canCheck()) {
            if (m_mapping && m_mapping->getDefaultListOfParameters())
                m_names.checkMapping(*m_mapping->getDefaultListOfParameters());
            DALCommon::clearErrorList();
            finish(entry, 0, m_names.messages());
        }
        m_result.readers.append(entry);
    }

    QString m_root;
    DeviceResult m_result;
    NameCheck m_names;
    std::unique_ptr<DALParamCmdMapping> m_mapping;
    std::unique_ptr<DALRfCmdSettings> m_settings;
};

Report readerReport(ReaderResult const &entry)
{
    Report messages = Report::list();
    for (const QString &message : entry.messages)
        messages.append(message);
    return Report::object()
        .insert(QStringLiteral("reader"), entry.id)
        .insert(QStringLiteral("title"), entry.title)
        .insert(QStringLiteral("file"), entry.file)
        .insert(QStringLiteral("directory"), entry.directory)
        .insert(QStringLiteral("state"), stateName(entry.state))
        .insert(QStringLiteral("messages"), messages);
}

QString plural(int count, char const *word)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(word)).arg(QLatin1String(count == 1 ? "" : "s"));
}

// "  <state>  <reader>  <file>", then the messages indented below, their
// continuation lines (parse failures carry a line feed) likewise.
void writeEntry(QString &text, ReaderResult const &entry)
{
    QString state = stateName(entry.state);
    if (entry.state == Failed)
        state = plural(entry.messages.size(), "message");
    QString line = QStringLiteral("  %1  %2  %3").arg(state, -14).arg(entry.title, -25).arg(entry.file);
    while (line.endsWith(QLatin1Char(' ')))
        line.chop(1);
    text += line + QLatin1Char('\n');
    for (const QString &message : entry.messages) {
        for (const QString &line : message.split(QLatin1Char('\n')))
            text += QStringLiteral("      ") + line + QLatin1Char('\n');
    }
}

int runCheck(CommandContext &context, Report &report)
{
    QStringList devices = context.arguments;
    report.insert(QStringLiteral("root"), context.root);

    QList<ReaderResult> treeEntries;
    if (devices.isEmpty()) {
        DALCommon::clearErrorList();
        DALDeviceList list(context.root);
        ReaderResult entry{QStringLiteral("deviceList"), QStringLiteral("device list"),
                           QStringLiteral("device_list.xml"), context.root, Ok, {}};
        if (list.getStatus() == 0) {
            for (QString group : list.getDeviceGroups()) {
                for (const QString &device : list.getGroupDevices(group)) {
                    if (!devices.contains(device))
                        devices.append(device);
                }
            }
        }
        entry.messages = DALCommon::getErrorList();
        if (list.getStatus() != 0 && entry.messages.isEmpty())
            entry.messages << QStringLiteral("The device list reader ended with status %1 without a message.")
                                  .arg(list.getStatus());
        entry.state = entry.messages.isEmpty() ? Ok : Failed;
        treeEntries.append(entry);
    }

    QList<DeviceResult> results;
    for (const QString &device : qAsConst(devices))
        results.append(DeviceCheck(context.root, device).run());
    DALDeviceConfig::deleteInstance();
    DALCommon::clearErrorList();

    int readers = 0;
    int notConfigured = 0;
    int failed = 0;
    int messages = 0;
    auto count = [&](ReaderResult const &entry) {
        if (entry.state == NotConfigured)
            ++notConfigured;
        else if (entry.state != Skipped)
            ++readers;
        if (entry.state == Failed)
            ++failed;
        messages += entry.messages.size();
    };

    QString text;
    if (!treeEntries.isEmpty()) {
        text += context.root + QLatin1Char('\n');
        for (const ReaderResult &entry : qAsConst(treeEntries)) {
            count(entry);
            writeEntry(text, entry);
            report.insert(entry.id, readerReport(entry));
        }
    }
    Report deviceList = Report::list();
    for (const DeviceResult &device : qAsConst(results)) {
        text += device.name + QLatin1Char('\n');
        Report entries = Report::list();
        bool deviceFailed = false;
        for (const ReaderResult &entry : device.readers) {
            count(entry);
            writeEntry(text, entry);
            entries.append(readerReport(entry));
            deviceFailed = deviceFailed || entry.state == Failed;
        }
        deviceList.append(Report::object()
                              .insert(QStringLiteral("name"), device.name)
                              .insert(QStringLiteral("state"), stateName(deviceFailed ? Failed : Ok))
                              .insert(QStringLiteral("readers"), entries));
    }
    report.insert(QStringLiteral("devices"), deviceList);
    report.insert(QStringLiteral("summary"), Report::object()
                                                 .insert(QStringLiteral("devices"), results.size())
                                                 .insert(QStringLiteral("readers"), readers)
                                                 .insert(QStringLiteral("notConfigured"), notConfigured)
                                                 .insert(QStringLiteral("failed"), failed)
                                                 .insert(QStringLiteral("messages"), messages));

    text += QStringLiteral("check: %1, %2, ").arg(plural(results.size(), "device"), plural(readers, "reader"));
    text += failed == 0 ? QStringLiteral("no messages")
                        : QStringLiteral("%1 with %2").arg(failed).arg(plural(messages, "message"));
    text += QStringLiteral(", %1 not configured\n").arg(notConfigured);
    context.text = text;
    return failed == 0 ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("check"),
    QStringLiteral("[DEVICE...]"),
    QStringLiteral("Reads every device (or the devices named) with every per-device reader, as a "
                   "host does, and reports what the library recorded."),
    {},
    runCheck,
    QStringLiteral(
        "For each device of device_list.xml, or each DEVICE given, check reads device_config.xml "
        "and then runs the readers of the device description, parameter definitions, "
        "parameter-command mapping, radio parameters, command definitions, overrides, command "
        "settings (categories.xml, every setting file and test-function file, and the default "
        "setting with all test functions merged), PA settings and front ends. Each line shows "
        "the outcome, the reader and the file of device_config.xml it reads, followed by the "
        "messages the library recorded while it ran.\n\n"
        "A reader whose file has no entry in device_config.xml is \"not configured\": that is no "
        "failure. A device whose device_config.xml cannot be read fails, and its readers are not "
        "run. Beyond the library's own messages, check reports the texts that "
        "device_description.xml lacks, and names that point at nothing: commands and fields of "
        "the settings, PA and front-end files that rf_command_definitions.xml does not define "
        "(a field is written \"field\" or \"field.bitfield\"), and parameters and commands of "
        "the default block of param_cmd_mapping.xml that param_definition.xml and "
        "rf_command_definitions.xml do not define.\n\n"
        "  dal-inspect --root /path/to/config/xml check\n"
        "  dal-inspect --root /path/to/config/xml --json check VO4725\n\n"
        "Exit status: 0 when nothing was reported, 1 when anything was, 2 on a usage error."),
});

} // namespace
