// dal-inspect targets FILE: the targets listed by a targets.xml, read from the
// target files in the same directory, with their IO pin levels.

#include "command.h"
#include "hostdocument.h"

#include "DALCommon.h"
#include "DALTargetDef.h"

#include <QDomDocument>
#include <QFileInfo>

namespace {

Report ioSettingsReport(QList<DALTargetDef::IoSetting> const &settings)
{
    Report pins = Report::list();
    for (const DALTargetDef::IoSetting &setting : settings) {
        pins.append(Report::object()
                        .insert(QStringLiteral("name"), setting.name)
                        .insert(QStringLiteral("controlFunction"), setting.controlFunction)
                        .insert(QStringLiteral("radioSignal"), setting.radioSignal)
                        .insert(QStringLiteral("idle"), setting.idle)
                        .insert(QStringLiteral("tx"), setting.tx)
                        .insert(QStringLiteral("rx"), setting.rx));
    }
    return pins;
}

int runTargets(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("targets takes the path of a targets.xml"));

    const QFileInfo targetsFile(context.arguments.first());
    report.insert(QStringLiteral("file"), targetsFile.absoluteFilePath());
    QDomDocument targetsDocument;
    if (!loadHostDocument(targetsFile.filePath(), &targetsDocument))
        return ExitFailure;

    QString firstArg;
    QString secondArg;
    DALTargetDef definition(firstArg, secondArg, &targetsDocument, targetsFile.absolutePath());

    // Entries whose file was read, in the order of the targets they yielded
    // (a file that cannot be parsed yields none).
    QStringList entries;
    for (const QString &entry : definition.getFileInfolist()) {
        QDomDocument targetDocument;
        const QString path = targetsFile.absolutePath() + QLatin1Char('/')
                             + entry.section(QLatin1Char(':'), 0, 0);
        const bool loaded = loadHostDocument(path, &targetDocument);
        const int before = definition.getTargets().targets.size();
        definition.readTargetFile(loaded ? &targetDocument : nullptr, entry);
        if (definition.getTargets().targets.size() > before)
            entries.append(entry);
    }

    const DALTargetDef::Targets &targets = definition.getTargets();
    report.insert(QStringLiteral("defaultTarget"), targets.defaultTarget);
    Report list = Report::list();
    for (int i = 0; i < targets.targets.size(); ++i) {
        const DALTargetDef::Target &target = targets.targets.at(i);
        Report item = Report::object();
        item.insert(QStringLiteral("name"), target.name);
        if (!target.virtualTarget.isEmpty())
            item.insert(QStringLiteral("virtualTarget"), target.virtualTarget);
        // A virtual target shares its file's Name, so the entry is paired by
        // position rather than looked up by name.
        item.insert(QStringLiteral("entry"), entries.value(i))
            .insert(QStringLiteral("description"), target.description)
            .insert(QStringLiteral("deviceName"), target.deviceName)
            .insert(QStringLiteral("devicePackage"), target.devicePackage)
            .insert(QStringLiteral("paSettings"), target.paSettings)
            .insert(QStringLiteral("frontEnd"), target.frontEnd)
            .insert(QStringLiteral("rfDesign"), target.rfDesign)
            .insert(QStringLiteral("defaultCategory"), target.defaultCategory)
            .insert(QStringLiteral("ioSettings"), ioSettingsReport(target.ioSettings));
        list.append(item);
    }
    report.insert(QStringLiteral("targets"), list);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("targets"),
    QStringLiteral("FILE"),
    QStringLiteral("Targets of a targets.xml with their files, default target and IO pin levels."),
    {},
    runTargets,
    QStringLiteral(
        "Reads a targets.xml (relative to the configuration root, or absolute) and each target "
        "file it names in the same directory, and lists the targets in order with their file, "
        "description, device, package, PA settings file, front end, RF design, default category "
        "and IO pin levels, virtual targets included, and the default target."
        "\n\n"
        "  dal-inspect targets targets/targets.xml"),
});

} // namespace
