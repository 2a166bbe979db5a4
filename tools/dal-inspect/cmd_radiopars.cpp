// dal-inspect radiopars DEVICE: the radio parameters of
// radio_par_definitions.xml with their fields and positions.

#include "command.h"

#include "DALCommon.h"
#include "DALRadioParDef.h"

namespace {

int runRadioPars(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("radiopars takes one device name"));
    QString device = context.arguments.first();
    report.insert(QStringLiteral("device"), device);

    DALRadioParDef definitions(device);
    Report pars = Report::list();
    for (const DALRadioParDef::RadioParDef &par : definitions.getDefinitions().radioPars) {
        Report fields = Report::list();
        for (auto it = par.fields.cbegin(); it != par.fields.cend(); ++it)
            fields.append(Report::object()
                              .insert(QStringLiteral("name"), it.key())
                              .insert(QStringLiteral("position"), int(it.value()->position)));
        pars.append(Report::object()
                        .insert(QStringLiteral("name"), par.name)
                        .insert(QStringLiteral("fields"), fields));
    }
    report.insert(QStringLiteral("radioPars"), pars);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("radiopars"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Radio parameters of radio_par_definitions.xml with their field positions."),
    {},
    runRadioPars,
    QStringLiteral(
        "Reads the device's radio_par_definitions.xml and lists every radio parameter with its "
        "fields, in name order, and their bit positions."
        "\n\n"
        "  dal-inspect radiopars VO4725"),
});

} // namespace
