// dal-inspect devices: the groups of device_list.xml with their devices.

#include "command.h"

#include "DALCommon.h"
#include "DALDeviceList.h"

namespace {

int runDevices(CommandContext &context, Report &report)
{
    if (!context.arguments.isEmpty())
        return usageError(context, QStringLiteral("devices takes no arguments"));

    DALDeviceList list(context.root);
    report.insert(QStringLiteral("root"), context.root);
    if (list.getStatus() != 0)
        return ExitFailure;

    report.insert(QStringLiteral("version"), list.getVersion());
    Report groups = Report::list();
    for (QString group : list.getDeviceGroups()) {
        Report devices = Report::list();
        for (const QString &device : list.getGroupDevices(group)) {
            devices.append(Report::object()
                               .insert(QStringLiteral("name"), device)
                               .insert(QStringLiteral("brief"), list.getDeviceBrief(device))
                               .insert(QStringLiteral("type"), list.getDeviceType(device)));
        }
        groups.append(Report::object()
                          .insert(QStringLiteral("name"), group)
                          .insert(QStringLiteral("description"), list.getGroupDescr(group))
                          .insert(QStringLiteral("devices"), devices));
    }
    report.insert(QStringLiteral("groups"), groups);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("devices"),
    QString(),
    QStringLiteral("Groups of device_list.xml, their devices with brief and type."),
    {},
    runDevices,
    QStringLiteral(
        "Reads device_list.xml in the configuration root and lists its version and each device "
        "group with its description and devices, every device with its brief line and type."
        "\n\n"
        "  dal-inspect --root /opt/host/config/xml devices"),
});

} // namespace
