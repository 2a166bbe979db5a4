#ifndef DALINSPECT_HELP_H
#define DALINSPECT_HELP_H

#include "command.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

// Help texts in the layout of QCommandLineParser: a usage line, the
// description, then option and command tables with wrapped descriptions.

// "dal-inspect --help": the global options and every command with its line.
QString generalHelp(QList<QCommandLineOption> const &globalOptions);

// "dal-inspect help COMMAND" and "dal-inspect COMMAND --help".
QString commandHelp(InspectCommand const &command, QList<QCommandLineOption> const &globalOptions);

#endif // DALINSPECT_HELP_H
