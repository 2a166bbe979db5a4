#include "checkoutput.h"

#include "report.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUrl>

#include <algorithm>

namespace {

QString plural(int count, char const *word)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(QLatin1String(word)).arg(QLatin1String(count == 1 ? "" : "s"));
}

// The path as the user would type it from where dal-inspect started.
QString shownPath(QString const &file, QString const &startDirectory)
{
    const QString relative = QDir(startDirectory).relativeFilePath(file);
    return relative.startsWith(QLatin1String("..")) ? file : relative;
}

QString originName(RootChoice::Origin origin)
{
    switch (origin) {
    case RootChoice::Option:
        return QStringLiteral("option");
    case RootChoice::CurrentDirectory:
        return QStringLiteral("current directory");
    case RootChoice::Sample:
        return QStringLiteral("bundled sample");
    }
    return QString();
}

} // namespace

void settle(CheckResult *result)
{
    QList<Finding> &findings = result->findings;
    std::stable_sort(findings.begin(), findings.end(), [](Finding const &a, Finding const &b) {
        if (a.file != b.file)
            return a.file < b.file;
        if (a.line != b.line)
            return a.line < b.line;
        return a.column < b.column;
    });
    // A test-function file that several settings name is read once per setting.
    QList<Finding> kept;
    QSet<QString> seen;
    for (const Finding &finding : qAsConst(findings)) {
        const QString key = QStringLiteral("%1\n%2\n%3\n%4\n%5")
                                .arg(finding.file)
                                .arg(finding.line)
                                .arg(finding.column)
                                .arg(finding.rule, finding.message);
        if (!seen.contains(key)) {
            seen.insert(key);
            kept.append(finding);
        }
    }
    findings = kept;
    result->errors = int(std::count_if(findings.cbegin(), findings.cend(),
                                       [](Finding const &f) { return f.severity == Finding::Error; }));
    result->warnings = findings.size() - result->errors;
}

QString rootLine(CheckResult const &result)
{
    switch (result.root.origin) {
    case RootChoice::Option:
        return QStringLiteral("checking %1").arg(result.root.root);
    case RootChoice::CurrentDirectory:
        return QStringLiteral("checking %1, the current directory").arg(result.root.root);
    case RootChoice::Sample:
        return QStringLiteral("no device_list.xml in the current directory: checking the bundled sample tree %1")
            .arg(result.root.root);
    }
    return QString();
}

QString findingLine(Finding const &finding, QString const &startDirectory)
{
    QString where = finding.file.isEmpty() ? QStringLiteral("check") : shownPath(finding.file, startDirectory);
    if (finding.line > 0)
        where += QStringLiteral(":%1:%2").arg(finding.line).arg(finding.column);
    return QStringLiteral("%1: %2: %3 [%4]").arg(where, severityName(finding.severity), finding.message, finding.rule);
}

QString summaryLine(CheckResult const &result)
{
    QString line
        = QStringLiteral("check: %1, %2, ").arg(plural(result.devices, "device"), plural(result.files, "file"));
    if (result.findings.isEmpty())
        return line + QStringLiteral("no findings");
    return line + QStringLiteral("%1, %2").arg(plural(result.errors, "error"), plural(result.warnings, "warning"));
}

Report jsonReport(CheckResult const &result)
{
    Report findings = Report::list();
    for (const Finding &finding : result.findings) {
        findings.append(Report::object()
                            .insert(QStringLiteral("file"), finding.file)
                            .insert(QStringLiteral("line"), finding.line)
                            .insert(QStringLiteral("column"), finding.column)
                            .insert(QStringLiteral("severity"), severityName(finding.severity))
                            .insert(QStringLiteral("rule"), finding.rule)
                            .insert(QStringLiteral("message"), finding.message)
                            .insert(QStringLiteral("device"), finding.device)
                            .insert(QStringLiteral("reader"), finding.reader));
    }
    return Report::object()
        .insert(QStringLiteral("root"), result.root.root)
        .insert(QStringLiteral("rootOrigin"), originName(result.root.origin))
        .insert(QStringLiteral("findings"), findings)
        .insert(QStringLiteral("summary"),
                Report::object()
                    .insert(QStringLiteral("devices"), result.devices)
                    .insert(QStringLiteral("files"), result.files)
                    .insert(QStringLiteral("errors"), result.errors)
                    .insert(QStringLiteral("warnings"), result.warnings))
        .insert(QStringLiteral("errors"), Report::list());
}

QString sarifLog(CheckResult const &result)
{
    QJsonArray rules;
    QStringList ruleIds;
    for (const Rule &rule : checkRules()) {
        ruleIds << QLatin1String(rule.id);
        rules.append(QJsonObject{{QStringLiteral("id"), QLatin1String(rule.id)},
                                 {QStringLiteral("shortDescription"), QJsonObject{{QStringLiteral("text"), QLatin1String(rule.summary)}}},
                                 {QStringLiteral("defaultConfiguration"), QJsonObject{{QStringLiteral("level"), severityName(rule.severity)}}}});
    }
    const QString base = QDir(result.root.startDirectory).absolutePath() + QLatin1Char('/');
    QJsonArray results;
    for (const Finding &finding : result.findings) {
        QJsonObject entry{{QStringLiteral("ruleId"), finding.rule},
                          {QStringLiteral("ruleIndex"), ruleIds.indexOf(finding.rule)},
                          {QStringLiteral("level"), severityName(finding.severity)},
                          {QStringLiteral("message"), QJsonObject{{QStringLiteral("text"), finding.message}}},
                          {QStringLiteral("properties"), QJsonObject{{QStringLiteral("device"), finding.device}, {QStringLiteral("reader"), finding.reader}}}};
        if (!finding.file.isEmpty()) {
            const QString shown = shownPath(finding.file, base);
            QJsonObject artifact{{QStringLiteral("uri"), QString::fromLatin1(QUrl::toPercentEncoding(shown, "/"))}};
            if (shown == finding.file)
                artifact = QJsonObject{{QStringLiteral("uri"), QUrl::fromLocalFile(finding.file).toString(QUrl::FullyEncoded)}};
            else
                artifact.insert(QStringLiteral("uriBaseId"), QStringLiteral("STARTDIR"));
            QJsonObject physical{{QStringLiteral("artifactLocation"), artifact}};
            if (finding.line > 0)
                physical.insert(QStringLiteral("region"),
                                QJsonObject{{QStringLiteral("startLine"), finding.line}, {QStringLiteral("startColumn"), finding.column}});
            entry.insert(QStringLiteral("locations"), QJsonArray{QJsonObject{{QStringLiteral("physicalLocation"), physical}}});
        }
        results.append(entry);
    }
    const QJsonObject run{
        {QStringLiteral("tool"),
         QJsonObject{{QStringLiteral("driver"),
                      QJsonObject{{QStringLiteral("name"), QStringLiteral("dal-inspect")},
                                  {QStringLiteral("version"), QStringLiteral(DAL_INSPECT_VERSION)},
                                  {QStringLiteral("rules"), rules}}}}},
        {QStringLiteral("originalUriBaseIds"),
         QJsonObject{{QStringLiteral("STARTDIR"), QJsonObject{{QStringLiteral("uri"), QUrl::fromLocalFile(base).toString(QUrl::FullyEncoded)}}}}},
        {QStringLiteral("results"), results}};
    const QJsonObject log{
        {QStringLiteral("$schema"), QStringLiteral("https://json.schemastore.org/sarif-2.1.0.json")}, {QStringLiteral("version"), QStringLiteral("2.1.0")}, {QStringLiteral("runs"), QJsonArray{run}}};
    return QString::fromUtf8(QJsonDocument(log).toJson(QJsonDocument::Indented));
}
