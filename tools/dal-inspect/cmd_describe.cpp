// dal-inspect describe DEVICE: the texts, photo, documents and UI class of a
// device's device_description.xml.

#include "command.h"

#include "DALCommon.h"
#include "DALDeviceDescr.h"

namespace {

int runDescribe(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("describe takes one device name"));

    QString device = context.arguments.first();
    DALDeviceDescr description(device, true);
    report.insert(QStringLiteral("device"), device);
    if (description.getStatus() != 0) {
        report.insert(QStringLiteral("error"), description.getErrMsg());
        return ExitFailure;
    }

    // One missing tag silences every later getter of the same object, so each
    // value is asked of a fresh copy: the report shows all that the file has.
    struct Field { char const *key; char const *tag; QString (DALDeviceDescr::*get)(); };
    const Field fields[] = {
        {"brief", "Brief", &DALDeviceDescr::getBrief},
        {"description", "Description", &DALDeviceDescr::getDescription},
        {"photo", "Photo", &DALDeviceDescr::getPhotoUrl},
        {"productPage", "URL", &DALDeviceDescr::getUrlProductPage},
        {"uiClass", "UiClass", &DALDeviceDescr::getUiClass},
    };
    QStringList missing;
    for (const Field &field : fields) {
        DALDeviceDescr probe(description);
        const QString value = (probe.*field.get)();
        if (probe.getStatus() != 0)
            missing.append(QString::fromLatin1(field.tag));
        report.insert(QString::fromLatin1(field.key), value);
    }

    QStringList entries;
    description.getDocList(entries);
    Report documents = Report::list();
    for (const QString &entry : entries) {
        documents.append(Report::object()
                             .insert(QStringLiteral("name"), entry.section(QLatin1Char(','), 0, 0))
                             .insert(QStringLiteral("url"), entry.section(QLatin1Char(','), 1)));
    }
    report.insert(QStringLiteral("documents"), documents);

    if (!missing.isEmpty()) {
        Report tags = Report::list();
        for (const QString &tag : missing)
            tags.append(tag);
        report.insert(QStringLiteral("missingTags"), tags);
        return ExitFailure;
    }
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("describe"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Brief, description, photo, product page, documents and UI class of a device."),
    {},
    runDescribe,
    QStringLiteral(
        "Reads the device's device_description.xml through its device_config.xml and prints the "
        "brief line, description, photo, product page, UI class and document list. Tags that the "
        "file lacks are listed under missingTags and make the exit status 1."
        "\n\n"
        "  dal-inspect describe VO4725"),
});

} // namespace
