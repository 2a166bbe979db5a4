// dal-inspect setting: one command setting with the commands of a test
// function merged in, as the host receives it.

#include "command.h"
#include "commandreport.h"

#include "DALCommon.h"
#include "DALRfCmdSettings.h"

namespace {

const QCommandLineOption testFunctionOption(
    QStringLiteral("test-function"),
    QStringLiteral("Test function whose commands are merged into the setting: "
                   "none (default), cont-tx, cont-rx, packet-tx, packet-rx or all."),
    QStringLiteral("FUNCTION"), QStringLiteral("none"));

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

    QString device = context.arguments.at(0);
    const QString category = context.arguments.at(1);
    const QString file = context.arguments.at(2);
    DALRfCmdSettings settings(device);
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("category"), category);
    report.insert(QStringLiteral("testFunction"), testFunctionText);
    if (settings.getStatus() != 0)
        return ExitFailure;

    const DALRfCmdSettings::CmdSetting setting = settings.getSetting(category, file, testFunc);
    if (DALCommon::getStatus() != 0)
        return ExitFailure;

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
    QStringLiteral("DEVICE CATEGORY SETTING [--test-function FUNCTION]"),
    QStringLiteral("One command setting with the test function's commands merged in."),
    {testFunctionOption},
    runSetting,
});

} // namespace
