// dal-inspect: prints what the library reads from a configuration tree.

#include "command.h"
#include "help.h"
#include "rootchoice.h"
#include "stdoutcapture.h"

#include "DALCommon.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <memory>

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
    if (known) {
        err << "Usage: dal-inspect [options] " << (known->name + QLatin1Char(' ') + known->synopsis).trimmed()
            << "\nTry 'dal-inspect help " << known->name << "'.\n";
    }
    return ExitUsage;
}

namespace {

// The bundled sample tree, found from the program's own directory: an
// installation keeps it in the data directory of the same prefix, and the
// build tree mirrors that layout. No path of the build machine is compiled in,
// so a moved or packaged installation reads its own copy.
QString defaultRoot()
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QStringLiteral(DAL_SAMPLE_FROM_BINDIR);
}

int plainUsageError(QString const &message)
{
    QTextStream(stderr) << "dal-inspect: " << message << "\nTry 'dal-inspect --help'.\n";
    return ExitUsage;
}

// An option of another command given to this one is a mistake worth naming,
// not something to ignore silently.
QString foreignOption(QCommandLineParser const &parser, InspectCommand const &command)
{
    for (const QString &name : parser.optionNames()) {
        bool known = false;
        for (const QCommandLineOption &option : command.options)
            known = known || option.names().contains(name);
        for (const InspectCommand &other : CommandRegistry::commands()) {
            for (const QCommandLineOption &option : other.options) {
                if (!known && option.names().contains(name))
                    return name;
            }
        }
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("dal-inspect"));
    QCoreApplication::setApplicationVersion(QStringLiteral(DAL_INSPECT_VERSION));

    const QCommandLineOption rootOption(QStringLiteral("root"),
        QStringLiteral("Configuration root (default: the current directory when it holds device_list.xml, "
                       "else the bundled sample tree)."), QStringLiteral("DIR"));
    const QCommandLineOption workdirOption(QStringLiteral("workdir"),
        QStringLiteral("Directory that relative paths in device_config.xml resolve in "
                       "(default: the configuration root)."), QStringLiteral("DIR"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
        QStringLiteral("Print one JSON document on stdout instead of text."));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")},
        QStringLiteral("Print help (of the command, when one is given) and exit."));
    const QCommandLineOption versionOption(QStringList{QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Print the version and exit."));
    const QList<QCommandLineOption> globalOptions{rootOption, workdirOption, jsonOption, helpOption,
                                                  versionOption};

    QCommandLineParser parser;
    parser.addOptions(globalOptions);
    QStringList optionNames;
    for (const InspectCommand &command : CommandRegistry::commands()) {
        for (const QCommandLineOption &option : command.options) {
            if (!optionNames.contains(option.names().first())) {
                optionNames.append(option.names().first());
                parser.addOption(option);
            }
        }
    }
    if (!parser.parse(QCoreApplication::arguments()))
        return plainUsageError(parser.errorText());

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (parser.isSet(versionOption)) {
        out << "dal-inspect " << QCoreApplication::applicationVersion() << '\n';
        return ExitOk;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.value(0) == QLatin1String("help")) {
        if (positional.size() > 2)
            return plainUsageError(QStringLiteral("help takes at most one command name"));
        positional = positional.mid(1);
        if (positional.isEmpty()) {
            out << generalHelp(globalOptions);
            return ExitOk;
        }
        if (!CommandRegistry::find(positional.first()))
            return plainUsageError(QStringLiteral("unknown command \"%1\"").arg(positional.first()));
        out << commandHelp(*CommandRegistry::find(positional.first()), globalOptions);
        return ExitOk;
    }
    if (positional.isEmpty()) {
        if (parser.isSet(helpOption)) {
            out << generalHelp(globalOptions);
            return ExitOk;
        }
        err << generalHelp(globalOptions);
        return ExitUsage;
    }
    const InspectCommand *command = CommandRegistry::find(positional.first());
    if (!command)
        return plainUsageError(QStringLiteral("unknown command \"%1\"").arg(positional.first()));
    if (parser.isSet(helpOption)) {
        out << commandHelp(*command, globalOptions);
        return ExitOk;
    }
    CommandContext context{parser, QString(), positional.mid(1)};
    const QString foreign = foreignOption(parser, *command);
    if (!foreign.isEmpty())
        return usageError(context, QStringLiteral("option --%1 does not apply to %2").arg(foreign, command->name));

    // The root is made absolute before the working directory changes, so that
    // both a relative --root and relative device paths mean what the user meant.
    const RootChoice choice = chooseRoot(parser.isSet(rootOption) ? parser.value(rootOption) : QString(), defaultRoot());
    const QString root = choice.root;
    const QString workdir = parser.isSet(workdirOption) ? QDir(parser.value(workdirOption)).absolutePath() : root;
    if (QFileInfo(workdir).isDir())
        QDir::setCurrent(workdir);
    context.root = root;
    context.rootChoice = choice;

    const bool json = parser.isSet(jsonOption);
    Report report = Report::object();
    int exitCode = ExitFailure;
    QStringList libraryOutput;
    DALCommon::clearErrorList();
    const bool rootFound = DALCommon::setConfigRoot(root) == 0;
    if (!rootFound) {
        report.insert(QStringLiteral("root"), root);
        exitCode = command->exitWithoutRoot;
    } else {
        // In JSON mode whatever the library prints on stdout goes into the
        // document instead of breaking it.
        std::unique_ptr<StdoutCapture> capture(json ? new StdoutCapture : nullptr);
        exitCode = command->run(context, report);
        if (capture)
            libraryOutput = capture->finish();
        if (exitCode == ExitUsage)
            return exitCode;
    }

    const QStringList errors = DALCommon::getErrorList();
    if (json) {
        Report messages = Report::list();
        for (const QString &message : errors)
            messages.append(message);
        report.insert(QStringLiteral("errors"), messages);
        if (!libraryOutput.isEmpty()) {
            Report lines = Report::list();
            for (const QString &line : libraryOutput)
                lines.append(line);
            report.insert(QStringLiteral("libraryOutput"), lines);
        }
        out << QJsonDocument(report.toJson().toObject()).toJson(QJsonDocument::Indented);
    } else if (!context.text.isNull()) {
        out << context.text;
    } else if (rootFound) {
        report.writeText(out);
    }
    out.flush();

    for (const QString &message : errors)
        err << "error: " << message << '\n';
    return exitCode;
}
