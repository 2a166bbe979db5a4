// dal-inspect check: every mistake of a configuration tree, and where it is.
//
// The library's readers read the tree the way a host does; each message they
// record is a finding, located through DALDiagnostics. The linter reads every
// file again for what the readers pass over in silence: names and values
// they read as 0, empty or a default, duplicates, and the names that tie the
// files together.

#include "command.h"

#include "checkoutput.h"
#include "readerrun.h"
#include "treelint.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

namespace {

const QCommandLineOption kFormat(QStringLiteral("format"),
                                 QStringLiteral("Output: text (the default), json or sarif (SARIF 2.1.0)."),
                                 QStringLiteral("FORMAT"));
const QCommandLineOption kQuiet(QStringLiteral("quiet"), QStringLiteral("Print the findings only."));
const QCommandLineOption kWerror(QStringLiteral("werror"), QStringLiteral("Warnings fail the check as errors do."));

// The linter's findings, and the readers' unless a finding of the linter
// already says where the file they could not open should be.
CheckResult check(CommandContext const &context)
{
    CheckResult result;
    result.root = context.rootChoice;
    QStringList devices = context.arguments;
    ReaderRun readers(&result.findings);
    TreeLint lint(context.root);
    if (devices.isEmpty()) {
        devices = readers.readDeviceList(context.root);
        lint.lintDeviceList();
    }
    for (const QString &device : qAsConst(devices)) {
        readers.readDevice(context.root, device);
        lint.lintDevice(device);
    }
    lint.lintSharedFiles(devices);
    const QSet<QString> &located = lint.locatedFiles();
    result.findings.erase(
        std::remove_if(result.findings.begin(), result.findings.end(),
                       [&](Finding const &finding) { return finding.line == 0 && located.contains(finding.file); }),
        result.findings.end());
    result.findings += lint.findings();
    result.devices = devices.size();
    result.files = lint.fileCount();
    settle(&result);
    return result;
}

int runCheck(CommandContext &context, Report &report)
{
    const bool json = context.parser.isSet(QStringLiteral("json"));
    const QString format = context.parser.isSet(kFormat) ? context.parser.value(kFormat)
        : json                                           ? QStringLiteral("json")
                                                         : QStringLiteral("text");
    if (!QStringList{QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("sarif")}.contains(format))
        return usageError(context, QStringLiteral("unknown format \"%1\": use text, json or sarif").arg(format));
    if (json && format != QLatin1String("json"))
        return usageError(context, QStringLiteral("--json asks for JSON, --format for %1").arg(format));
    if (context.arguments.isEmpty() && !QFileInfo(context.root + QStringLiteral("device_list.xml")).isFile()) {
        QTextStream(stderr) << "dal-inspect: no device_list.xml in " << context.root
                            << ": there is no configuration tree to check\n";
        return ExitUsage;
    }

    const CheckResult result = check(context);
    const bool quiet = context.parser.isSet(kQuiet);
    if (json) {
        report = jsonReport(result);
    } else if (format == QLatin1String("json")) {
        context.text = QString::fromUtf8(QJsonDocument(jsonReport(result).toJson().toObject()).toJson());
    } else if (format == QLatin1String("sarif")) {
        context.text = sarifLog(result);
    } else {
        QString text;
        if (quiet)
            QTextStream(stderr) << rootLine(result) << '\n';
        else
            text += rootLine(result) + QLatin1Char('\n');
        for (const Finding &finding : result.findings)
            text += findingLine(finding, result.root.startDirectory) + QLatin1Char('\n');
        if (!quiet)
            text += summaryLine(result) + QLatin1Char('\n');
        context.text = text;
    }
    const bool failed = result.errors > 0 || (context.parser.isSet(kWerror) && result.warnings > 0);
    return failed ? ExitFailure : ExitOk;
}

QString checkHelp()
{
    QString rules;
    for (const Rule &rule : checkRules())
        rules += QStringLiteral("  %1 (%2): %3\n")
                     .arg(QLatin1String(rule.id), severityName(rule.severity), QLatin1String(rule.summary));
    return QStringLiteral(
               "For each device of device_list.xml, or each DEVICE given, check reads device_config.xml and runs "
               "the library's readers of the device description, parameter definitions, parameter-command "
               "mapping, radio parameters, command definitions, overrides, command settings, PA settings and "
               "front ends, as a host does; every message they record is a finding. It then reads every file "
               "of the tree against the vocabulary of its kind (see docs/file-formats.md or \"dal-inspect "
               "formats\") for what the readers pass over in silence, and checks the names that tie the files "
               "together.\n\n"
               "Each finding is one line, path:line:column: error: message [rule], the path relative to the "
               "current directory, followed by a summary line; the first line names the root checked. Without "
               "--root the root is the current directory when it holds device_list.xml, else the bundled "
               "sample tree, which the first line says. --format json prints one document with the findings "
               "(file, line, column, severity, rule, message, device, reader); --format sarif a SARIF 2.1.0 "
               "log for code scanning.\n\n"
               "  cd /path/to/config/xml && dal-inspect check\n"
               "  dal-inspect --root /path/to/config/xml check --format sarif > check.sarif\n\n"
               "Rules:\n\n")
        + rules
        + QStringLiteral("\nExit status: 0 without findings or with warnings only, 1 with errors (or "
                         "warnings, with --werror), 2 on a usage error or when the root holds no "
                         "configuration tree.");
}

const CommandRegistration registration({
    QStringLiteral("check"),
    QStringLiteral("[DEVICE...] [--format text|json|sarif] [--quiet] [--werror]"),
    QStringLiteral("Finds the mistakes of a configuration tree and says where each one is."),
    {kFormat, kQuiet, kWerror},
    runCheck,
    checkHelp(),
    ExitUsage,
});

} // namespace
