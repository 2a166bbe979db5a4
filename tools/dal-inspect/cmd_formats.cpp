// dal-inspect formats: the reference of the file formats (docs/file-formats.md),
// written from the vocabulary that check reads the files against.

#include "command.h"

#include "finding.h"
#include "vocabulary.h"

using namespace Vocabulary;

namespace {

QString code(QString const &text)
{
    return QLatin1Char('`') + text + QLatin1Char('`');
}

QString anchor(QString const &title)
{
    QString result;
    for (const QChar c : title.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-'))
            result += c;
        else if (c == QLatin1Char(' '))
            result += QLatin1Char('-');
    }
    return result;
}

QString valueText(Type type, int flags, QStringList const &keywords)
{
    QString text = describe(type);
    if (type == Type::Keyword)
        text = QStringLiteral("keyword: ") + keywords.join(QStringLiteral(", "));
    else if (type == Type::Choice)
        text = QStringLiteral("one of ") + keywords.join(QStringLiteral(", "));
    if (flags & Required)
        text += QStringLiteral("; required");
    if (flags & FirstBelow)
        text += QStringLiteral("; the first anywhere inside its parent counts");
    else if (flags & Once)
        text += QStringLiteral("; the first counts");
    return text;
}

QString absentText(int flags, QString const &defaultValue, Type type)
{
    if (flags & Required)
        return QStringLiteral("-");
    if (type == Type::None)
        return QString();
    return defaultValue.isEmpty() ? QStringLiteral("empty") : defaultValue;
}

QString uniqueText(Unique const &unique)
{
    const QString key = unique.key == QLatin1String(".") ? QStringLiteral("text")
        : unique.key.startsWith(QLatin1Char('@'))        ? code(unique.key.mid(1)) + QStringLiteral(" attribute")
                                                         : code(unique.key);
    return QStringLiteral("- No two %1 %2 have the same %3 (%4).\n")
        .arg(code(unique.element), unique.inFile ? QStringLiteral("in the file") : QStringLiteral("in one parent"), key,
             unique.laterReplaces ? QStringLiteral("a later one replaces an earlier one")
                                  : QStringLiteral("lookups find the first one"));
}

QString kindSection(FileKind const &kind)
{
    QString text = QStringLiteral("## %1\n\n%2").arg(kind.title, code(kind.file));
    if (!kind.configKey.isEmpty())
        text += QStringLiteral(", found through the %1 key of device_config.xml").arg(code(kind.configKey));
    text += QStringLiteral(".\n\n%1\n\n").arg(kind.about);
    text += QStringLiteral("| Element | Inside | Value | Absent | Meaning |\n|---|---|---|---|---|\n");
    QString attributes;
    for (const Element &element : kind.elements) {
        QStringList parents;
        for (const QString &parent : element.parents)
            parents << code(parent);
        text += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                    .arg(code(element.name), parents.isEmpty() ? QStringLiteral("(root)") : parents.join(QStringLiteral(", ")),
                         valueText(element.type, element.flags, element.keywords),
                         absentText(element.flags, element.defaultValue, element.type), element.about);
        for (const Attribute &attribute : element.attributes)
            attributes
                += QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                       .arg(code(element.name), code(attribute.name),
                            valueText(attribute.type, attribute.flags, attribute.keywords),
                            absentText(attribute.flags, attribute.defaultValue, attribute.type), attribute.about);
    }
    if (!attributes.isEmpty())
        text += QStringLiteral("\n| Element | Attribute | Value | Absent | Meaning |\n|---|---|---|---|---|\n")
            + attributes;
    if (!kind.unique.isEmpty()) {
        text += QStringLiteral("\nNames that must differ:\n\n");
        for (const Unique &unique : kind.unique)
            text += uniqueText(unique);
    }
    if (kind.id == QLatin1String("device_config")) {
        text += QStringLiteral("\nThe keys:\n\n");
        for (const FileKind &keyed : fileKinds()) {
            if (!keyed.configKey.isEmpty())
                text
                    += QStringLiteral("- %1: [%2](#%3)\n").arg(code(keyed.configKey), keyed.title, anchor(keyed.title));
        }
    }
    return text + QStringLiteral("\nExample:\n\n```xml\n%1```\n\n").arg(kind.example);
}

QString reference()
{
    QString text = QStringLiteral(
        "# Configuration file formats\n\n"
        "<!-- Written by \"dal-inspect formats\" from the vocabulary \"dal-inspect check\" reads files "
        "against; edit that (tools/dal-inspect/lint/vocabulary_*.cpp), not this file. -->\n\n"
        "Every kind of file of a configuration tree: the elements and attributes its reader reads, where "
        "each stands, the type of its value and what an absent one reads as. `dal-inspect check` checks a "
        "tree against exactly this.\n\n"
        "- Element and attribute names are compared exactly, letter case included. The name of the root "
        "element is never checked.\n"
        "- Numbers may have blanks around them; hexadecimal ones may start with 0x.\n"
        "- Files opened through a directory of device_config.xml have their whole path lower-cased, so keep "
        "such trees in lower case.\n"
        "- \"The first counts\": the reader takes the first element of the name and ignores later ones.\n\n");
    for (const FileKind &kind : fileKinds())
        text += QStringLiteral("- [%1](#%2): %3\n").arg(kind.title, anchor(kind.title), code(kind.file));
    text += QStringLiteral("- [Rules of dal-inspect check](#rules-of-dal-inspect-check)\n\n");
    for (const FileKind &kind : fileKinds())
        text += kindSection(kind);
    text += QStringLiteral("## Rules of dal-inspect check\n\n| Rule | Severity | Finds |\n|---|---|---|\n");
    for (const Rule &rule : checkRules())
        text += QStringLiteral("| %1 | %2 | %3 |\n")
                    .arg(code(QLatin1String(rule.id)), severityName(rule.severity), QLatin1String(rule.summary));
    return text;
}

int runFormats(CommandContext &context, Report &)
{
    if (!context.arguments.isEmpty())
        return usageError(context, QStringLiteral("formats takes no arguments"));
    context.text = reference();
    return ExitOk;
}

const CommandRegistration registration({
    QStringLiteral("formats"),
    QString(),
    QStringLiteral("Prints the reference of the configuration file formats (docs/file-formats.md)."),
    {},
    runFormats,
    QStringLiteral("Writes, in Markdown, every kind of configuration file with its elements and attributes, "
                   "where each may stand, their value types and what an absent one reads as, and a minimal "
                   "example; then the rules of check. It is the vocabulary check reads the files against.\n\n"
                   "  dal-inspect formats > docs/file-formats.md"),
});

} // namespace
