// dal-inspect uinames FILE NAME...: translates names through a UI translation
// table, logic names to UI names and UI names back to logic names.

#include "command.h"
#include "hostdocument.h"

#include "DALCommon.h"
#include "DALUiTranslation.h"

#include <QDomDocument>
#include <QFileInfo>

namespace {

int runUiNames(CommandContext &context, Report &report)
{
    if (context.arguments.size() < 2)
        return usageError(context, QStringLiteral("uinames takes a translation file and names"));

    const QString file = context.arguments.first();
    report.insert(QStringLiteral("file"), QFileInfo(file).absoluteFilePath());
    QDomDocument document;
    if (!loadHostDocument(file, &document))
        return ExitFailure;

    DALUiTranslation translation(&document);
    Report names = Report::list();
    int unknown = 0;
    for (const QString &name : context.arguments.mid(1)) {
        Report item = Report::object();
        item.insert(QStringLiteral("name"), name);
        const QString uiName = translation.getUiName(name);
        const QString logicName = translation.getLogicName(name);
        if (!uiName.isEmpty())
            item.insert(QStringLiteral("uiName"), uiName);
        if (!logicName.isEmpty())
            item.insert(QStringLiteral("logicName"), logicName);
        if (uiName.isEmpty() && logicName.isEmpty())
            ++unknown;
        names.append(item);
    }
    report.insert(QStringLiteral("names"), names);
    if (unknown > 0)
        return ExitFailure;
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("uinames"),
    QStringLiteral("FILE NAME..."),
    QStringLiteral("UI names of logic names (and logic names of UI names) in a translation table."),
    {},
    runUiNames,
    QStringLiteral(
        "Reads the translation table FILE and prints, for each NAME, the UI name it translates to "
        "and the logic name it is the UI name of. A name the table knows in neither direction "
        "makes the exit status 1."
        "\n\n"
        "  dal-inspect uinames ui_translation.xml Radio"),
});

} // namespace
