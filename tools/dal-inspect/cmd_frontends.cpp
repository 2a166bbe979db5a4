// dal-inspect frontends: the RF front ends of a device with their frequency
// ranges and commands.

#include "command.h"
#include "commandreport.h"

#include "DALCommon.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"

namespace {

int runFrontEnds(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("frontends takes one device name"));

    QString device = context.arguments.first();
    DALRfCmdSettings cmdSettings(device);
    DALRfFrontEndSettings frontEnds(device, &cmdSettings);
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("status"), frontEnds.getStatus());

    Report list = Report::list();
    for (const QString &name : frontEnds.getFrontEndNames()) {
        const DALRfFrontEndSettings::FrontEnd *frontEnd = frontEnds.getFrontEnd(name);
        Report ranges = Report::list();
        for (const DALRfFrontEndSettings::FrequencyRange &range : frontEnd->frequencyRanges) {
            Report entry = Report::object();
            if (range.min == 0 && range.max == 0) {
                entry.insert(QStringLiteral("default"), true);
            } else {
                entry.insert(QStringLiteral("min"), uint(range.min));
                entry.insert(QStringLiteral("max"), uint(range.max));
            }
            entry.insert(QStringLiteral("commands"), commandsReport(range.commands));
            ranges.append(entry);
        }
        list.append(Report::object()
                        .insert(QStringLiteral("name"), name)
                        .insert(QStringLiteral("frequencyRanges"), ranges));
    }
    report.insert(QStringLiteral("frontEnds"), list);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("frontends"),
    QStringLiteral("DEVICE"),
    QStringLiteral("RF front ends of a device with their frequency ranges and commands."),
    {},
    runFrontEnds,
    QStringLiteral(
        "Reads the device's frontend_settings.xml (with a command-settings reader of the device "
        "for the commands) and lists the front ends in name order, each with its frequency ranges "
        "(the default range shown as default) and their commands."
        "\n\n"
        "  dal-inspect frontends VO4725"),
});

} // namespace
