#include "help.h"

#include <QStringList>

#include <algorithm>

namespace {

const int kWidth = 79;

// Fills the words of text into lines of at most kWidth columns, every line
// indented by indent spaces except the first, which continues at column
// start (the caller has written what stands before it).
QString wrap(QString const &text, int indent, int start)
{
    QString result;
    int column = start;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words) {
        if (column > indent && column + 1 + word.size() > kWidth) {
            result += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (column > indent) {
            result += QLatin1Char(' ');
            ++column;
        }
        result += word;
        column += word.size();
    }
    return result + QLatin1Char('\n');
}

// Paragraphs separated by blank lines; a paragraph whose lines start with
// spaces (an example) is kept as written.
QString paragraphs(QString const &text)
{
    QString result;
    for (const QString &paragraph : text.split(QStringLiteral("\n\n"))) {
        if (paragraph.startsWith(QLatin1Char(' ')))
            result += paragraph + QLatin1Char('\n');
        else
            result += wrap(QString(paragraph).replace(QLatin1Char('\n'), QLatin1Char(' ')), 0, 0);
        result += QLatin1Char('\n');
    }
    return result;
}

// The usage line, wrapped between the words of the synopsis; a bracketed
// group ("[--pa FILE]") stays on one line.
QString usageLine(QString const &command, QString const &synopsis)
{
    QStringList words;
    QString word;
    int depth = 0;
    for (const QChar c : synopsis) {
        if (c == QLatin1Char(' ') && depth == 0) {
            if (!word.isEmpty())
                words << word;
            word.clear();
            continue;
        }
        depth += c == QLatin1Char('[') ? 1 : c == QLatin1Char(']') ? -1 : 0;
        word += c;
    }
    if (!word.isEmpty())
        words << word;

    const QString lead = QStringLiteral("Usage: dal-inspect [options] ") + command;
    QString text = lead;
    int column = text.size();
    for (const QString &w : qAsConst(words)) {
        if (column + 1 + w.size() > kWidth && column > lead.size()) {
            text += QLatin1Char('\n') + QString(lead.size(), QLatin1Char(' '));
            column = lead.size();
        }
        text += QLatin1Char(' ') + w;
        column += 1 + w.size();
    }
    return text + QLatin1Char('\n');
}

QString optionNames(QCommandLineOption const &option)
{
    QStringList names;
    for (const QString &name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString text = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        text += QStringLiteral(" <") + option.valueName() + QLatin1Char('>');
    return text;
}

// Two columns: the entry, padded to the widest one, and its wrapped text.
QString table(QList<QPair<QString, QString>> const &rows)
{
    int width = 0;
    for (const auto &row : rows)
        width = std::max(width, int(row.first.size()));
    const int indent = std::min(2 + width + 2, 40);
    QString result;
    for (const auto &row : rows) {
        QString line = QStringLiteral("  ") + row.first;
        if (line.size() + 2 > indent)
            line += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
        else
            line += QString(indent - line.size(), QLatin1Char(' '));
        result += line + wrap(row.second, indent, indent);
    }
    return result;
}

QString optionTable(QList<QCommandLineOption> const &options)
{
    QList<QPair<QString, QString>> rows;
    for (const QCommandLineOption &option : options)
        rows.append({optionNames(option), option.description()});
    return table(rows);
}

} // namespace

QString generalHelp(QList<QCommandLineOption> const &globalOptions)
{
    QList<InspectCommand> commands = CommandRegistry::commands();
    std::sort(commands.begin(), commands.end(),
              [](const InspectCommand &a, const InspectCommand &b) { return a.name < b.name; });
    QList<QPair<QString, QString>> rows;
    for (const InspectCommand &command : commands)
        rows.append({command.name, command.description});

    return QStringLiteral("Usage: dal-inspect [options] COMMAND [ARGUMENTS...]\n\n")
           + paragraphs(QStringLiteral(
               "Prints what libdal reads from a configuration tree, and checks a tree "
               "before it ships. Without --root it reads the current directory when it holds "
               "device_list.xml, else the sample tree that comes with "
               "the library."))
           + QStringLiteral("Options:\n") + optionTable(globalOptions)
           + QStringLiteral("\nCommands:\n") + table(rows)
           + QStringLiteral("\nRun 'dal-inspect help COMMAND' for the arguments and options of a "
                            "command.\n");
}

QString commandHelp(InspectCommand const &command, QList<QCommandLineOption> const &globalOptions)
{
    QString text = usageLine(command.name, command.synopsis) + QLatin1Char('\n');
    text += paragraphs(command.description);
    if (!command.help.isEmpty())
        text += paragraphs(command.help);
    if (!command.help.contains(QLatin1String("Exit status")))
        text += paragraphs(QStringLiteral(
            "Exit status: 0 when the library recorded no message, 1 when it did (the messages "
            "follow the output on stderr, and with --json they are the document's errors list), "
            "2 on a usage error."));
    if (!command.options.isEmpty())
        text += QStringLiteral("Options of %1:\n").arg(command.name) + optionTable(command.options)
                + QLatin1Char('\n');
    text += QStringLiteral("Global options:\n") + optionTable(globalOptions);
    return text;
}
