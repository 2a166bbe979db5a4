// dal-inspect params DEVICE: the panel parameters of param_definition.xml with
// their list values, dependencies, validation and options, and the RF commands
// that the default block of param_cmd_mapping.xml maps each of them to.

#include "command.h"

#include "DALCommon.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"

namespace {

QString typeName(int type)
{
    static const char *const names[] = {"none", "BOOL", "TEXT", "3", "INT", "FLOAT",
                                        "LIST", "WIDGET", "BUTTON", "COMPOSIT"};
    return type >= 0 && type < 10 ? QString::fromLatin1(names[type]) : QString::number(type);
}

QString groupName(int group)
{
    static const char *const names[] = {"none", "MainRfParameters", "ContTx", "ContRx",
                                        "PacketTx", "PacketRx", "PacketView"};
    return group >= 0 && group < 7 ? QString::fromLatin1(names[group]) : QString::number(group);
}

QString depTypeName(int type)
{
    static const char *const names[] = {"none", "DT_EQUAL", "DT_CODE", "DT_MAP"};
    return type >= 0 && type < 4 ? QString::fromLatin1(names[type]) : QString::number(type);
}

QString validationTypeName(int type)
{
    static const char *const names[] = {"none", "MINMAX", "CODE"};
    return type >= 0 && type < 3 ? QString::fromLatin1(names[type]) : QString::number(type);
}

Report textList(QStringList const &texts)
{
    Report list = Report::list();
    for (const QString &text : texts)
        list.append(text);
    return list;
}

Report describe(DALParamDef::ParamDefinition const &p, QStringList const &rfCommands)
{
    Report item = Report::object();
    item.insert(QStringLiteral("name"), p.name)
        .insert(QStringLiteral("type"), typeName(p.type))
        .insert(QStringLiteral("label"), p.label)
        .insert(QStringLiteral("unit"), p.unit)
        .insert(QStringLiteral("default"), p.defValue)
        .insert(QStringLiteral("row"), p.row);
    QStringList flags;
    if (p.editable)
        flags << QStringLiteral("editable");
    if (p.readOnly)
        flags << QStringLiteral("read-only");
    if (!p.visible)
        flags << QStringLiteral("hidden");
    if (!p.cmdUpdate)
        flags << QStringLiteral("no-command-update");
    item.insert(QStringLiteral("flags"), textList(flags));
    if (!p.className.isEmpty())
        item.insert(QStringLiteral("className"), p.className);
    if (!p.buddy.isEmpty())
        item.insert(QStringLiteral("buddy"), p.buddy);

    if (p.type == DALParamDef::PT_LIST) {
        item.insert(QStringLiteral("precision"), p.precision);
        Report values = Report::list();
        for (const DALParamDef::ListValue &value : p.listValues)
            values.append(Report::object()
                              .insert(QStringLiteral("text"), value.text)
                              .insert(QStringLiteral("value"), value.value));
        item.insert(QStringLiteral("listValues"), values);
    }

    Report dependencies = Report::list();
    for (const DALParamDef::Dependency &d : p.dependencies) {
        QStringList mapping;
        for (auto it = d.mapping.cbegin(); it != d.mapping.cend(); ++it)
            mapping << it.key() + QStringLiteral(" -> ") + it.value();
        dependencies.append(Report::object()
                                .insert(QStringLiteral("name"), d.name)
                                .insert(QStringLiteral("type"), depTypeName(d.type))
                                .insert(QStringLiteral("group"), groupName(d.group))
                                .insert(QStringLiteral("parameter"), d.parameter)
                                .insert(QStringLiteral("mapping"), textList(mapping)));
    }
    item.insert(QStringLiteral("dependencies"), dependencies);

    Report validation = Report::object();
    validation.insert(QStringLiteral("type"), validationTypeName(p.validation.type));
    if (p.validation.type == DALParamDef::VT_MINMAX)
        validation.insert(QStringLiteral("min"), p.validation.min).insert(QStringLiteral("max"), p.validation.max);
    else if (p.validation.type == DALParamDef::VT_CODE)
        validation.insert(QStringLiteral("name"), p.validation.name);
    item.insert(QStringLiteral("validation"), validation);
    item.insert(QStringLiteral("options"), textList(p.options));
    item.insert(QStringLiteral("rfCommands"), textList(rfCommands));
    return item;
}

int runParams(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("params takes one device name"));
    QString device = context.arguments.first();
    report.insert(QStringLiteral("device"), device);

    DALParamDef definitions(device);
    DALParamCmdMapping mapping(device);
    QList<DALParamCmdMapping::Parameter> mapped;
    if (const QList<DALParamCmdMapping::Parameter> *defaults = mapping.getDefaultListOfParameters())
        mapped = *defaults;

    QStringList known;
    QList<int> groups;
    QList<Report> panels;
    for (int i = 0; i < definitions.count(); ++i) {
        const DALParamDef::ParamDefinition &p = definitions.at(i);
        known << p.name;
        QStringList rfCommands;
        for (const DALParamCmdMapping::Parameter &m : mapped) {
            if (!m.names.contains(p.name))
                continue;
            for (const QString &command : m.rfCommands) {
                if (!rfCommands.contains(command))
                    rfCommands << command;
            }
        }
        int panel = groups.indexOf(p.group);
        if (panel < 0) {
            panel = groups.size();
            groups << p.group;
            panels << Report::list();
        }
        panels[panel].append(describe(p, rfCommands));
    }

    Report panelList = Report::list();
    for (int i = 0; i < groups.size(); ++i)
        panelList.append(Report::object()
                             .insert(QStringLiteral("panel"), groupName(groups.at(i)))
                             .insert(QStringLiteral("parameters"), panels.at(i)));
    report.insert(QStringLiteral("panels"), panelList);

    // Names in the mapping that no parameter carries point at a typing error.
    QStringList unknown;
    for (const DALParamCmdMapping::Parameter &m : mapped) {
        for (const QString &name : m.names) {
            if (!known.contains(name) && !unknown.contains(name))
                unknown << name;
        }
    }
    report.insert(QStringLiteral("unknownMappedNames"), textList(unknown));
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("params"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Panel parameters of param_definition.xml with values, rules and mapped RF commands."),
    {},
    runParams,
    QStringLiteral(
        "Reads the device's param_definition.xml and param_cmd_mapping.xml and lists the panel "
        "parameters by panel: type, label, unit, default, flags, list values, dependencies, "
        "validation, options and the RF commands that the default mapping block gives them. Names "
        "of the mapping that no parameter carries are listed under unknownMappedNames."
        "\n\n"
        "  dal-inspect params VO4725"),
});

} // namespace
