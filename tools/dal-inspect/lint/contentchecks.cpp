#include "contentchecks.h"

#include "valuecheck.h"

#include <QSet>

namespace {

bool known(Entries const &entries, int index, char const *name)
{
    return entries.at(index) && entries.at(index)->name == QLatin1String(name);
}

QString attributeValue(XmlTree const &tree, int element, char const *name)
{
    const XmlTree::Attribute *attribute = tree.attribute(element, QLatin1String(name));
    return attribute ? attribute->value : QString();
}

int enclosing(XmlTree const &tree, int element, char const *name)
{
    int up = tree.at(element).parent;
    while (up >= 0 && tree.at(up).name != QLatin1String(name))
        up = tree.at(up).parent;
    return up;
}

const QString kDefinitions = QStringLiteral("rf_command_definitions.xml");

} // namespace

namespace {

// Children that count only for one type of their parent.
void checkTypedChildren(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    for (int element = 0; element < tree.size(); ++element) {
        if (known(entries, element, "Field") && attributeValue(tree, element, "type") != QLatin1String("pointer")) {
            for (const char *name : {"Offset", "PtrType", "PtrName"}) {
                const int child = tree.child(element, QLatin1String(name));
                if (child >= 0)
                    sink.at(tree, child, QStringLiteral("misplaced-element"),
                            QStringLiteral("<%1> is not read: the type of the field is not \"pointer\"").arg(name));
            }
        }
        const int item = tree.child(element, QStringLiteral("ListItem"));
        if (known(entries, element, "BitField") && item >= 0
            && tree.childText(element, QStringLiteral("Type")) != QLatin1String("List"))
            sink.at(tree, item, QStringLiteral("misplaced-element"),
                    QStringLiteral("<ListItem> is not read: the Type of the bit field is not \"List\""));
    }
}

} // namespace

CommandTable readCommandTable(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    checkTypedChildren(tree, entries, sink);
    CommandTable table;
    table.known = true;
    for (int command = 0; command < tree.size(); ++command) {
        const QString name = attributeValue(tree, command, "name");
        if (!known(entries, command, "Command") || name.isEmpty())
            continue;
        QVector<int> fieldElements;
        const int group = enclosing(tree, command, "CommandGroup");
        const int common = group < 0 ? -1 : tree.descendants(group, QStringLiteral("CommonFields")).value(0, -1);
        if (common >= 0)
            fieldElements = tree.descendants(common, QStringLiteral("Field"));
        fieldElements += tree.descendants(command, QStringLiteral("Field"));
        QStringList fields;
        QHash<QString, int> lines;
        for (int field : qAsConst(fieldElements)) {
            const QString fieldName = attributeValue(tree, field, "name");
            if (fieldName.isEmpty())
                continue;
            if (lines.contains(fieldName)) {
                sink.at(tree, field, QStringLiteral("duplicate"),
                        QStringLiteral("field \"%1\" of %2 is defined already on line %3, which lookups find first")
                            .arg(fieldName, name)
                            .arg(lines.value(fieldName)),
                        QStringLiteral("name"));
                continue;
            }
            lines.insert(fieldName, tree.at(field).line);
            fields << fieldName;
            for (int bits : tree.descendants(field, QStringLiteral("BitField"))) {
                const QString bitName = attributeValue(tree, bits, "name");
                if (!bitName.isEmpty())
                    fields << fieldName + QLatin1Char('.') + bitName;
            }
        }
        if (!table.fields.contains(name)) {
            table.commands << name;
            table.fields.insert(name, fields);
        }
    }
    return table;
}

void checkCommandNames(XmlTree const &tree, Entries const &entries, CommandTable const &table, FindingSink &sink)
{
    if (!table.known)
        return;
    for (int command = 0; command < tree.size(); ++command) {
        if (!known(entries, command, "Command") || !tree.attribute(command, QStringLiteral("name")))
            continue;
        const QString name = attributeValue(tree, command, "name");
        const auto fields = table.fields.constFind(name);
        if (fields == table.fields.cend()) {
            sink.at(tree, command, QStringLiteral("unknown-reference"),
                    QStringLiteral("command \"%1\" is not defined in %2%3")
                        .arg(name, kDefinitions, didYouMean(name, table.commands)),
                    QStringLiteral("name"));
            continue;
        }
        for (int field : tree.children(command, QStringLiteral("Field"))) {
            const QString fieldName = attributeValue(tree, field, "name");
            if (entries.at(field) && !fieldName.isEmpty() && !fields->contains(fieldName))
                sink.at(tree, field, QStringLiteral("unknown-reference"),
                        QStringLiteral("field \"%1\" of %2 is not defined in %3%4")
                            .arg(fieldName, name, kDefinitions, didYouMean(fieldName, *fields)),
                        QStringLiteral("name"));
        }
    }
}

QStringList readParameters(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    // The first keyword of the list found gives the type, so TEXTLIST is a TEXT.
    const QStringList types = Vocabulary::fileKind(QStringLiteral("param_definition"))
                                  .find(QStringLiteral("Parameter"), QStringLiteral("parGroup"))
                                  ->attribute(QStringLiteral("type"))
                                  ->keywords;
    QStringList parameters;
    for (int group = 0; group < tree.size(); ++group) {
        if (!known(entries, group, "parGroup"))
            continue;
        for (int parameter : tree.at(group).children) {
            parameters << attributeValue(tree, parameter, "name");
            const QString type = attributeValue(tree, parameter, "type").toUpper();
            QString readAs = QStringLiteral("none");
            for (const QString &keyword : types) {
                if (type.contains(keyword)) {
                    readAs = keyword;
                    break;
                }
            }
            const int choices = tree.child(parameter, QStringLiteral("ListValues"));
            if (choices >= 0 && readAs != QLatin1String("LIST"))
                sink.at(tree, choices, QStringLiteral("misplaced-element"),
                        QStringLiteral("<ListValues> is not read: the type of the parameter reads as %1, not LIST")
                            .arg(readAs));
        }
    }
    for (int followed = 0; followed < tree.size(); ++followed) {
        const QString name = tree.at(followed).text.trimmed();
        if (!known(entries, followed, "Parameter")
            || tree.at(tree.at(followed).parent).name != QLatin1String("Dependency") || name.isEmpty()
            || parameters.contains(name))
            continue;
        sink.at(tree, followed, QStringLiteral("unknown-reference"),
                QStringLiteral("parameter \"%1\" that the dependency follows is not defined in this file%2")
                    .arg(name, didYouMean(name, parameters)));
    }
    return parameters;
}

void checkMapping(XmlTree const &tree, Entries const &entries, QStringList const *parameters, CommandTable const &table,
                  FindingSink &sink)
{
    for (int mapping = 0; mapping < tree.size(); ++mapping) {
        if (!known(entries, mapping, "parameter"))
            continue;
        const QStringList names = attributeValue(tree, mapping, "names").split(QLatin1Char(','));
        for (const QString &written : names) {
            const QString name = written.trimmed();
            if (parameters && !name.isEmpty() && !parameters->contains(name))
                sink.at(tree, mapping, QStringLiteral("unknown-reference"),
                        QStringLiteral("parameter \"%1\" is not defined in param_definition.xml%2")
                            .arg(name, didYouMean(name, *parameters)),
                        QStringLiteral("names"));
        }
        for (int command : tree.children(mapping, QStringLiteral("rfCommand"))) {
            const QString name = tree.at(command).text.trimmed();
            if (table.known && entries.at(command) && !name.isEmpty() && !table.fields.contains(name))
                sink.at(tree, command, QStringLiteral("unknown-reference"),
                        QStringLiteral("command \"%1\" is not defined in %2%3")
                            .arg(name, kDefinitions, didYouMean(name, table.commands)));
        }
    }
}

void checkDefaults(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    const QVector<int> defaults = tree.all(QStringLiteral("Default"));
    if (defaults.isEmpty() || !known(entries, defaults.first(), "Default"))
        return;
    QStringList categories;
    QVector<int> categoryElements;
    for (int category = 0; category < tree.size(); ++category) {
        if (known(entries, category, "Category")) {
            categories << tree.childText(category, QStringLiteral("Name"));
            categoryElements << category;
        }
    }
    const int defCategory = tree.child(defaults.first(), QStringLiteral("DefCategory"));
    const int defSetting = tree.child(defaults.first(), QStringLiteral("DefSetting"));
    const QString category = defCategory < 0 ? QString() : tree.at(defCategory).text.trimmed();
    if (category.isEmpty())
        return;
    const int at = categories.indexOf(category);
    if (at < 0) {
        sink.at(tree, defCategory, QStringLiteral("unknown-reference"),
                QStringLiteral("category \"%1\" is not defined in this file%2")
                    .arg(category, didYouMean(category, categories)));
        return;
    }
    QStringList settings;
    for (int setting : tree.children(categoryElements.at(at), QStringLiteral("Setting")))
        settings << tree.at(setting).text.trimmed();
    const QString setting = defSetting < 0 ? QString() : tree.at(defSetting).text.trimmed();
    if (!setting.isEmpty() && !settings.contains(setting))
        sink.at(tree, defSetting, QStringLiteral("unknown-reference"),
                QStringLiteral("setting \"%1\" is not a setting of category \"%2\"%3")
                    .arg(setting, category, didYouMean(setting, settings)));
}

namespace {

struct Range
{
    int element;
    uint min;
    uint max;
};

// The range as the reader stores it; false when a bound does not convert
// (a fault reported elsewhere).
bool readRange(XmlTree const &tree, int element, bool minMayBeMissing, Range *range)
{
    bool minOk = false;
    bool maxOk = false;
    const int min = tree.child(element, QStringLiteral("Min"));
    range->element = element;
    range->min = (min < 0 ? QString() : tree.at(min).text).toUInt(&minOk) & 0xFFFF;
    range->max = tree.childText(element, QStringLiteral("Max")).toUInt(&maxOk) & 0xFFFF;
    return maxOk && (minOk || minMayBeMissing);
}

} // namespace

void checkRanges(XmlTree const &tree, Entries const &entries, QString const &owner, FindingSink &sink)
{
    const bool frontEnds = owner == QLatin1String("FrontEnd");
    QHash<QString, QList<Range>> groups; // an RF design's ranges are tried across designs of one name
    for (int element = 0; element < tree.size(); ++element) {
        if (!entries.at(element) || tree.at(element).name != owner)
            continue;
        const QVector<int> rangeElements = tree.children(element, QStringLiteral("FrequencyRange"));
        if (frontEnds && !rangeElements.isEmpty()) {
            for (int command : tree.children(element, QStringLiteral("Command")))
                sink.at(tree, command, QStringLiteral("misplaced-element"),
                        QStringLiteral("<Command> is not read: the front end has frequency ranges, and only "
                                       "their commands count"));
        }
        QList<Range> &earlier = groups[frontEnds ? QString::number(element) : attributeValue(tree, element, "name")];
        for (int rangeElement : rangeElements) {
            Range range;
            if (!entries.at(rangeElement) || !readRange(tree, rangeElement, frontEnds, &range))
                continue;
            const bool fallback = frontEnds && range.min == 0 && range.max == 0;
            if (range.min > range.max) {
                sink.at(
                    tree, rangeElement, QStringLiteral("bad-value"),
                    QStringLiteral("range %1..%2 holds no frequency: Min is above Max").arg(range.min).arg(range.max));
                continue;
            }
            for (const Range &before : qAsConst(earlier)) {
                const bool beforeFallback = frontEnds && before.min == 0 && before.max == 0;
                if (fallback != beforeFallback || range.min > before.max || before.min > range.max)
                    continue;
                const bool hidden = before.min <= range.min && range.max <= before.max;
                sink.at(tree, rangeElement, QStringLiteral("overlapping-range"),
                        QStringLiteral("range %1..%2 overlaps %3..%4 on line %5, which is tried first%6")
                            .arg(range.min)
                            .arg(range.max)
                            .arg(before.min)
                            .arg(before.max)
                            .arg(tree.at(before.element).line)
                            .arg(hidden ? QStringLiteral(": this one is never used") : QString()));
                break;
            }
            earlier.append(range);
        }
    }
}

void checkIoPins(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    QStringList before;
    for (int element = 0; element < tree.size(); ++element) {
        if (known(entries, element, "Register")) {
            const XmlTree::Attribute *translate = tree.attribute(element, QStringLiteral("translateName"));
            if (translate && !translate->value.isEmpty() && translate->value.split(QLatin1Char(':')).size() != 2)
                sink.at(
                    tree, element, QStringLiteral("bad-value"),
                    QStringLiteral("\"translateName\" of <Register> holds \"%1\", not old:new").arg(translate->value),
                    QStringLiteral("translateName"));
        }
        if (!known(entries, element, "IoPin"))
            continue;
        const QString parent = attributeValue(tree, element, "inherits");
        if (!parent.isEmpty() && !before.contains(parent))
            sink.at(tree, element, QStringLiteral("unknown-reference"),
                    QStringLiteral("pin \"%1\" that %2 inherits from is not defined before it%3")
                        .arg(parent, attributeValue(tree, element, "name"), didYouMean(parent, before)),
                    QStringLiteral("inherits"));
        before << attributeValue(tree, element, "name");
    }
}

void checkPacket(XmlTree const &tree, Entries const &entries, FindingSink &sink)
{
    const QVector<int> packets = tree.all(QStringLiteral("packet"));
    if (packets.size() > 1)
        sink.at(tree, packets.at(1), QStringLiteral("repeated-element"),
                QStringLiteral("a packet file holds exactly one <packet>: with %1, none of them is read")
                    .arg(packets.size()));
    const QHash<QString, int> bases{{"hex", 16}, {"decimal", 10}, {"binary", 2}, {"hex_payload", 16}};
    for (int field = 0; field < tree.size(); ++field) {
        if (!known(entries, field, "Field"))
            continue;
        const QString type = tree.childText(field, QStringLiteral("Type")).toLower();
        if (!bases.contains(type))
            continue;
        for (const char *name : {"Length", "TextLength", "Min", "Max"}) {
            const int element = tree.child(field, QLatin1String(name));
            bool ok = false;
            if (element < 0)
                continue;
            tree.at(element).text.toUInt(&ok, bases.value(type));
            if (!ok)
                sink.at(tree, element, QStringLiteral("bad-value"),
                        QStringLiteral("<%1> holds \"%2\", not a %3 number: this field and every field after it "
                                       "are dropped")
                            .arg(QLatin1String(name), tree.at(element).text.trimmed(),
                                 type == QLatin1String("binary")        ? QStringLiteral("binary")
                                     : type == QLatin1String("decimal") ? QStringLiteral("decimal")
                                                                        : QStringLiteral("hexadecimal")));
        }
    }
}
