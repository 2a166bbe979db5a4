// dal-inspect: prints what the library reads from a configuration tree.

#include "command.h"

#include "DALCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

QList<InspectCommand> &CommandRegistry::commands()
{
    static QList<InspectCommand> all;
    return all;
}

InspectCommand const *CommandRegistry::find(QString const &name)
{
    for (const InspectCommand &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

int usageError(CommandContext const &context, QString const &message)
{
    QTextStream err(stderr);
    const QString command = context.parser.positionalArguments().value(0);
    const InspectCommand *known = CommandRegistry::find(command);
    err << "dal-inspect: " << message << '\n';
    if (known)
        err << "usage: dal-inspect [options] " << known->name << ' ' << known->synopsis << '\n';
    return ExitUsage;
}

namespace {

// The bundled sample tree: next to the sources in a build tree, or in the
// data directory of an installation.
QString defaultRoot()
{
    const QString sourceTree = QStringLiteral(DAL_SAMPLE_ROOT);
    if (QFileInfo(sourceTree).isDir())
        return sourceTree;
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../")
           + QStringLiteral(DAL_INSTALLED_SAMPLE_ROOT);
}

QString commandSummary()
{
    QList<InspectCommand> commands = CommandRegistry::commands();
    std::sort(commands.begin(), commands.end(),
              [](const InspectCommand &a, const InspectCommand &b) { return a.name < b.name; });
    QString text = QStringLiteral("Prints what libdal reads from a configuration tree.\n\nCommands:\n");
    for (const InspectCommand &command : commands) {
        const QString usage = (command.name + QLatin1Char(' ') + command.synopsis).trimmed();
        text += QStringLiteral("  %1\n      %2\n").arg(usage, command.description);
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dal-inspect"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DAL_INSPECT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(commandSummary());
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption rootOption(QStringLiteral("root"),
        QStringLiteral("Configuration root (default: the bundled sample tree)."), QStringLiteral("DIR"));
    const QCommandLineOption workdirOption(QStringLiteral("workdir"),
        QStringLiteral("Directory that relative paths in device_config.xml resolve in "
                       "(default: the configuration root)."), QStringLiteral("DIR"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        QStringLiteral("Print one JSON document instead of text."));
    parser.addOption(rootOption);
    parser.addOption(workdirOption);
    parser.addOption(jsonOption);
    QStringList optionNames;
    for (const InspectCommand &command : CommandRegistry::commands()) {
        for (const QCommandLineOption &option : command.options) {
            if (!optionNames.contains(option.names().first())) {
                optionNames.append(option.names().first());
                parser.addOption(option);
            }
        }
    }
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    parser.addPositionalArgument(QStringLiteral("arguments"), QStringLiteral("Its arguments."),
                                 QStringLiteral("[arguments...]"));
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        err << parser.helpText();
        return ExitUsage;
    }
    const InspectCommand *command = CommandRegistry::find(positional.first());
    if (!command) {
        err << "dal-inspect: unknown command \"" << positional.first()
            << "\"; see dal-inspect --help\n";
        return ExitUsage;
    }

    // The root is made absolute before the working directory changes, so that
    // both a relative --root and relative device paths mean what the user meant.
    QString root = parser.isSet(rootOption) ? parser.value(rootOption) : defaultRoot();
    root = QDir(root).absolutePath() + QLatin1Char('/');
    const QString workdir = parser.isSet(workdirOption) ? QDir(parser.value(workdirOption)).absolutePath() : root;
    if (QFileInfo(workdir).isDir())
        QDir::setCurrent(workdir);
    DALCommon::clearErrorList();
    if (DALCommon::setConfigRoot(root) != 0) {
        for (const QString &message : DALCommon::getErrorList())
            err << "error: " << message << '\n';
        return ExitFailure;
    }

    CommandContext context{parser, root, positional.mid(1)};
    Report report = Report::object();
    const int exitCode = command->run(context, report);
    if (exitCode == ExitUsage)
        return exitCode;

    if (parser.isSet(jsonOption))
        out << QJsonDocument(report.toJson().toObject()).toJson(QJsonDocument::Indented);
    else
        report.writeText(out);
    out.flush();

    for (const QString &message : DALCommon::getErrorList())
        err << "error: " << message << '\n';
    return exitCode;
}
