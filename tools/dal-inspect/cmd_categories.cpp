// dal-inspect categories: the command-setting categories of a device.

#include "command.h"

#include "DALCommon.h"
#include "DALRfCmdSettings.h"

namespace {

int runCategories(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("categories takes one device name"));

    QString device = context.arguments.first();
    DALRfCmdSettings settings(device);
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("status"), settings.getStatus());

    DALRfCmdSettings::RfCategories &all = settings.getRfCategories();
    report.insert(QStringLiteral("default"),
                  Report::object()
                      .insert(QStringLiteral("category"), all.defCategory)
                      .insert(QStringLiteral("setting"), all.defSetting));
    Report categories = Report::list();
    for (const DALRfCmdSettings::RfCategory &category : qAsConst(all.categories)) {
        Report list = Report::list();
        for (const DALRfCmdSettings::CmdSetting &setting : category.settings) {
            Report setting_ = Report::object()
                                  .insert(QStringLiteral("file"), setting.fileName)
                                  .insert(QStringLiteral("name"), setting.name)
                                  .insert(QStringLiteral("description"), setting.description)
                                  .insert(QStringLiteral("frequency"), setting.frequency)
                                  .insert(QStringLiteral("options"), setting.options)
                                  .insert(QStringLiteral("commands"), setting.commands.size());
            setting_.insert(QStringLiteral("testFunctionCommands"),
                            Report::object()
                                .insert(QStringLiteral("cont-tx"), setting.contTx.size())
                                .insert(QStringLiteral("cont-rx"), setting.contRx.size())
                                .insert(QStringLiteral("packet-tx"), setting.packetTx.size())
                                .insert(QStringLiteral("packet-rx"), setting.packetRx.size()));
            list.append(setting_);
        }
        categories.append(Report::object()
                              .insert(QStringLiteral("name"), category.name)
                              .insert(QStringLiteral("description"), category.description)
                              .insert(QStringLiteral("settings"), list));
    }
    report.insert(QStringLiteral("categories"), categories);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("categories"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Command-setting categories of a device, their settings and the defaults."),
    {},
    runCategories,
    QStringLiteral(
        "Reads the device's categories.xml with every setting file and test-function file it "
        "names, and lists each category with its settings: file, name, description, frequency, "
        "options, the number of commands and the number of commands of each test function. The "
        "default category and setting of the file come first."
        "\n\n"
        "  dal-inspect categories VO4725"),
});

} // namespace
