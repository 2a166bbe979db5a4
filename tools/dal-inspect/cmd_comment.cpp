// dal-inspect comment: the generated-code comment of one field of a command,
// from DIR/codegen.xml below the configuration root.

#include "command.h"

#include "DALCodeGen.h"
#include "DALCommon.h"

namespace {

int runComment(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 3)
        return usageError(context, QStringLiteral("comment takes a directory, a command and a field"));

    QString dir = context.arguments.at(0);
    const QString command = context.arguments.at(1);
    const QString field = context.arguments.at(2);
    DALCodeGen &codeGen = DALCodeGen::Instance(dir);
    report.insert(QStringLiteral("file"), context.root + dir.toLower() + QStringLiteral("/codegen.xml"));
    report.insert(QStringLiteral("command"), command);
    report.insert(QStringLiteral("field"), field);
    report.insert(QStringLiteral("comment"), codeGen.getCommandFieldComment(command, field));
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("comment"),
    QStringLiteral("DIR COMMAND FIELD"),
    QStringLiteral("The comment that DIR/codegen.xml gives for FIELD of COMMAND."),
    {},
    runComment,
    QStringLiteral(
        "Reads codegen.xml in the directory DIR below the configuration root and prints the "
        "comment that generated code carries beside FIELD of COMMAND. The file is read once per "
        "process, so one call answers for one directory."
        "\n\n"
        "  dal-inspect comment vo4725 CMD_FS frequency"),
});

} // namespace
