#ifndef DALINSPECT_COMMAND_H
#define DALINSPECT_COMMAND_H

#include "report.h"
#include "rootchoice.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// What a command gets: the parsed command line and the arguments that follow
// the command's name. The configuration root is already set up (absolute, with
// a trailing "/") and the working directory is the one device paths resolve in.
struct CommandContext
{
    QCommandLineParser &parser;
    QString root;
    QStringList arguments;
    // How the root was chosen, and where dal-inspect was started.
    RootChoice rootChoice = {};
    // Text mode: when a command sets this, it is printed instead of the
    // generic rendering of the report.
    QString text = {};
};

// Exit codes shared by every command.
enum ExitCode { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

struct InspectCommand
{
    QString name;
    QString synopsis;    // arguments, for the help text
    QString description; // one line
    QList<QCommandLineOption> options;
    // Fills the report; returns an ExitCode. Messages of the library's error
    // list are printed by the caller.
    int (*run)(CommandContext &context, Report &report);
    // Paragraphs of "dal-inspect help COMMAND" after the description: what
    // the output holds, examples, exit status. Separated by blank lines.
    QString help = {};
    // Exit code when the configuration root does not exist (the command is not run).
    int exitWithoutRoot = ExitFailure;
};

class CommandRegistry
{
public:
    static QList<InspectCommand> &commands();
    static InspectCommand const *find(QString const &name);
};

// Registers a command from its own source file.
struct CommandRegistration
{
    explicit CommandRegistration(InspectCommand const &command)
    {
        CommandRegistry::commands().append(command);
    }
};

// Writes "usage: ..." for the command on stderr and returns ExitUsage.
int usageError(CommandContext const &context, QString const &message);

#endif // DALINSPECT_COMMAND_H
