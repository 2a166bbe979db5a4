// dal-inspect setting: one command setting as the host prepares it for a
// test: the test function's commands merged in, then optionally the commands
// of a PA level and of a front end.

#include "command.h"
#include "commandreport.h"

#include "DALCommon.h"
#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"

#include <QTextStream>

namespace {

const QCommandLineOption testFunctionOption(
    QStringLiteral("test-function"),
    QStringLiteral("Test function whose commands are merged into the setting: "
                   "none (default), cont-tx, cont-rx, packet-tx, packet-rx or all."),
    QStringLiteral("FUNCTION"), QStringLiteral("none"));

const QCommandLineOption paOption(
    QStringLiteral("pa"),
    QStringLiteral("Merge the commands of a PA level: PA settings file, RF design, frequency "
                   "and the level's text (everything after the third comma)."),
    QStringLiteral("FILE,RFDESIGN,FREQUENCY,TEXT"));

const QCommandLineOption frontEndOption(
    QStringLiteral("front-end"),
    QStringLiteral("Merge the commands of a front end at a frequency (after the last comma)."),
    QStringLiteral("NAME,FREQUENCY"));

int failure(QString const &message)
{
    QTextStream(stderr) << "dal-inspect: " << message << '\n';
    return ExitFailure;
}

bool parseTestFunction(QString const &text, DALRfCmdSettings::TestFunc_e *testFunc)
{
    static const struct {
        const char *name;
        DALRfCmdSettings::TestFunc_e value;
    } functions[] = {
        {"none", DALRfCmdSettings::TF_NONE},
        {"cont-tx", DALRfCmdSettings::TF_CONT_TX},
        {"cont-rx", DALRfCmdSettings::TF_CONT_RX},
        {"packet-tx", DALRfCmdSettings::TF_PACKET_TX},
        {"packet-rx", DALRfCmdSettings::TF_PACKET_RX},
        {"all", DALRfCmdSettings::TF_ALL},
    };
    for (const auto &function : functions) {
        if (text == QLatin1String(function.name)) {
            *testFunc = function.value;
            return true;
        }
    }
    return false;
}

int runSetting(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 3)
        return usageError(context, QStringLiteral("setting takes a device, a category and a setting file"));
    DALRfCmdSettings::TestFunc_e testFunc = DALRfCmdSettings::TF_NONE;
    const QString testFunctionText = context.parser.value(testFunctionOption);
    if (!parseTestFunction(testFunctionText, &testFunc))
        return usageError(context, QStringLiteral("unknown test function \"%1\"").arg(testFunctionText));

    QStringList pa;
    if (context.parser.isSet(paOption)) {
        const QStringList parts = context.parser.value(paOption).split(QLatin1Char(','));
        bool ok = parts.size() >= 4;
        if (ok)
            parts.at(2).toUShort(&ok);
        if (!ok)
            return usageError(context, QStringLiteral("--pa takes FILE,RFDESIGN,FREQUENCY,TEXT"));
        pa = parts.mid(0, 3);
        pa.append(parts.mid(3).join(QLatin1Char(',')));
    }
    QString frontEndName;
    double frontEndFrequency = 0.0;
    if (context.parser.isSet(frontEndOption)) {
        const QString value = context.parser.value(frontEndOption);
        const int comma = value.lastIndexOf(QLatin1Char(','));
        bool ok = comma >= 0;
        if (ok)
            frontEndFrequency = value.mid(comma + 1).toDouble(&ok);
        if (!ok)
            return usageError(context, QStringLiteral("--front-end takes NAME,FREQUENCY"));
        frontEndName = value.left(comma);
    }

    QString device = context.arguments.at(0);
    const QString category = context.arguments.at(1);
    const QString file = context.arguments.at(2);
    DALRfCmdSettings settings(device);
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("category"), category);
    report.insert(QStringLiteral("testFunction"), testFunctionText);
    if (settings.getStatus() != 0)
        return ExitFailure;

    DALRfCmdSettings::CmdSetting setting = settings.getSetting(category, file, testFunc);
    if (DALCommon::getStatus() != 0)
        return ExitFailure;

    if (!pa.isEmpty()) {
        DALPaSettingsDef paSettings(QString(), device, &settings, true);
        DALPaSettingsDef::PaSettingTable *table =
            paSettings.getPaSettingTable(pa.at(0), pa.at(1), pa.at(2).toUShort());
        if (!table)
            return ExitFailure;
        QString text = pa.at(3);
        const DALPaSettingsDef::PaSetting *level = nullptr;
        for (const DALPaSettingsDef::PaSetting &entry : qAsConst(table->paSettings)) {
            if (entry.text == text) {
                level = &entry;
                break;
            }
        }
        if (!level)
            return failure(QStringLiteral("no PA level \"%1\" for %2 at %3 in %4").arg(text, pa.at(1), pa.at(2), pa.at(0)));
        report.insert(QStringLiteral("pa"), Report::object()
                                                .insert(QStringLiteral("file"), pa.at(0))
                                                .insert(QStringLiteral("rfDesign"), pa.at(1))
                                                .insert(QStringLiteral("frequency"), pa.at(2).toInt())
                                                .insert(QStringLiteral("level"), paLevelReport(*level, false)));
        QList<DALRfCmdSettings::Command> commands = paSettings.getPaSettingCommands(table, text);
        settings.mergeCommandsToSetting(setting, commands, true);
    }

    if (context.parser.isSet(frontEndOption)) {
        DALRfFrontEndSettings frontEnds(device, &settings);
        if (frontEnds.getStatus() != 0)
            return ExitFailure;
        if (!frontEnds.getFrontEnd(frontEndName))
            return failure(QStringLiteral("no front end \"%1\"").arg(frontEndName));
        report.insert(QStringLiteral("frontEnd"), Report::object()
                                                      .insert(QStringLiteral("name"), frontEndName)
                                                      .insert(QStringLiteral("frequency"), frontEndFrequency));
        QList<DALRfCmdSettings::Command> commands = frontEnds.getFrontEndCommands(frontEndName, frontEndFrequency);
        settings.mergeCommandsToSetting(setting, commands, true);
    }

    report.insert(QStringLiteral("file"), setting.fileName);
    report.insert(QStringLiteral("name"), setting.name);
    report.insert(QStringLiteral("description"), setting.description);
    report.insert(QStringLiteral("frequency"), setting.frequency);
    report.insert(QStringLiteral("options"), setting.options);
    report.insert(QStringLiteral("patch"), Report::object()
                                               .insert(QStringLiteral("define"), setting.patch.define)
                                               .insert(QStringLiteral("cpe"), setting.patch.cpe)
                                               .insert(QStringLiteral("mce"), setting.patch.mce)
                                               .insert(QStringLiteral("rfe"), setting.patch.rfe));
    report.insert(QStringLiteral("commands"), commandsReport(setting.commands));
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("setting"),
    QStringLiteral("DEVICE CATEGORY SETTING [--test-function FUNCTION] [--pa FILE,RFDESIGN,FREQUENCY,TEXT] "
                   "[--front-end NAME,FREQUENCY]"),
    QStringLiteral("A command setting with the commands of a test function, a PA level and a front end merged in."),
    {testFunctionOption, paOption, frontEndOption},
    runSetting,
    QStringLiteral(
        "Reads the device's command settings and prints the setting SETTING (its file name in "
        "categories.xml) of the category CATEGORY as the host receives it: texts, patch and the "
        "command list with the chosen test function's commands merged in. --pa merges the "
        "commands of a PA level of a PA settings file, --front-end those of a front end at a "
        "frequency, in this order."
        "\n\n"
        "  dal-inspect setting VO4725 \"Proprietary 868 MHz\" prop_868_50kbps.xml \\\n"
        "      --test-function cont-tx --pa \"pasettings.xml,VO4725EM-868,868,14 dBm\" \\\n"
        "      --front-end Differential,868"),
});

} // namespace
