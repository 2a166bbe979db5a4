// dal-inspect overrides: the override files of a device's override directory.

#include "command.h"

#include "DALCommon.h"
#include "DALRfOverrideDef.h"

#include <QStringList>

namespace {

int runOverrides(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("overrides takes one device"));

    QString device = context.arguments.at(0);
    report.insert(QStringLiteral("device"), device);
    DALRfOverrideDef definitions(device);

    Report files = Report::list();
    for (const DALRfOverrideDef::Override &record : definitions.getOverrides()) {
        Report elements = Report::list();
        for (const DALRfOverrideDef::OverrideElement &element : record.elements) {
            elements.append(Report::object()
                                .insert(QStringLiteral("value"), element.value)
                                .insert(QStringLiteral("type"), element.type)
                                .insert(QStringLiteral("comment"), element.comment));
        }
        Report writeCustoms = Report::list();
        for (const DALRfOverrideDef::OverrideWriteCustom &writeCustom : record.writeCustoms) {
            QStringList bytes;
            for (quint8 value : writeCustom.values)
                bytes.append(QString::number(value));
            writeCustoms.append(Report::object()
                                    .insert(QStringLiteral("name"), writeCustom.name)
                                    .insert(QStringLiteral("values"), bytes.join(QStringLiteral(", "))));
        }
        files.append(Report::object()
                         .insert(QStringLiteral("file"), record.name)
                         .insert(QStringLiteral("elements"), elements)
                         .insert(QStringLiteral("writeCustoms"), writeCustoms));
    }
    report.insert(QStringLiteral("overrides"), files);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("overrides"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Override files of the device's override directory: Element32b entries "
                   "and WriteCustom byte sequences."),
    {},
    runOverrides,
    QStringLiteral(
        "Reads every override_*.xml of the directory that the device's device_config.xml gives "
        "for dummy_file_overrides.xml, in reading order, and lists each file's Element32b entries "
        "(value, type, comment) and WriteCustom byte sequences."
        "\n\n"
        "  dal-inspect overrides VO4725"),
});

} // namespace
