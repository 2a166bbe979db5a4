// dal-inspect pa: the PA settings files of a device with their RF designs,
// frequency ranges, levels and default tables.

#include "command.h"
#include "commandreport.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"
#include "pathresolver_p.h"

#include <QDir>

namespace {

Report tableReport(DALPaSettingsDef::PaSettingTable const &table)
{
    Report levels = Report::list();
    for (const DALPaSettingsDef::PaSetting &level : table.paSettings)
        levels.append(paLevelReport(level, true));
    return levels;
}

int runPa(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("pa takes one device name"));

    QString device = context.arguments.first();
    DALRfCmdSettings cmdSettings(device);
    DALPaSettingsDef paSettings(QString(), device, &cmdSettings, true);
    const QString directory = DALDeviceConfig::getPath(QStringLiteral("pasettings.xml"), device, QString(), QString());
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("directory"), directory);

    // The reader reads the files that its pattern matches in the directory it
    // resolves (without regard to case); list the same ones.
    const QString found = directory.isEmpty()
        ? QString()
        : DALPathResolver::resolve(directory, directory, DALPathResolver::Kind::Directory);
    const QStringList names = found.isEmpty()
        ? QStringList()
        : QDir(found).entryList(QStringList(QStringLiteral("pasettings*.xml")), QDir::Files,
                                QDir::Name | QDir::IgnoreCase);
    Report files = Report::list();
    bool stopped = false;
    for (const QString &name : names) {
        Report file = Report::object().insert(QStringLiteral("name"), name);
        // Reading stops at the first file that fails: the files after it
        // were not read either, and are not looked up.
        DALPaSettingsDef::PaSettings *content = stopped ? nullptr : paSettings.getPaSettingsFile(name);
        if (!content) {
            stopped = true;
            file.insert(QStringLiteral("read"), false);
            files.append(file);
            continue;
        }
        Report designs = Report::list();
        for (const DALPaSettingsDef::RfDesign &design : qAsConst(content->rfDesigns)) {
            Report ranges = Report::list();
            for (const DALPaSettingsDef::FrequencyRange &range : design.frequencyRanges) {
                ranges.append(Report::object()
                                  .insert(QStringLiteral("min"), uint(range.min))
                                  .insert(QStringLiteral("max"), uint(range.max))
                                  .insert(QStringLiteral("levels"), tableReport(range.paSettingTable)));
            }
            designs.append(Report::object()
                               .insert(QStringLiteral("name"), design.name)
                               .insert(QStringLiteral("frequencyRanges"), ranges));
        }
        file.insert(QStringLiteral("rfDesigns"), designs);
        file.insert(QStringLiteral("defaultTable"), tableReport(content->defaultPaTable));
        files.append(file);
    }
    report.insert(QStringLiteral("files"), files);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("pa"),
    QStringLiteral("DEVICE"),
    QStringLiteral("PA settings files of a device: RF designs, frequency ranges, levels, default tables."),
    {},
    runPa,
    QStringLiteral(
        "Reads every pasettings*.xml of the directory that the device's device_config.xml gives "
        "for pasettings.xml and lists each file with its RF designs, their frequency ranges and "
        "PA levels (value, high-PA value, commands, options) and the default table. A file that "
        "failed, and every file after it, is shown as not read."
        "\n\n"
        "  dal-inspect pa VO4725"),
});

} // namespace
