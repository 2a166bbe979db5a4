// dal-inspect commands: the RF command layouts of rf_command_definitions.xml.

#include "command.h"

#include "DALCommon.h"
#include "DALRfCmdDef.h"

namespace {

// "first..last", or "invalid" for a range that was rejected (length 0).
QString range(int offset, int length)
{
    if (length == 0)
        return QStringLiteral("invalid");
    return QStringLiteral("%1..%2").arg(offset).arg(offset + length - 1);
}

QString hex16(quint16 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

// Optional texts are left out when empty, to keep the listing readable.
void insertText(Report &object, QString const &key, QString const &text)
{
    if (!text.isEmpty())
        object.insert(key, text);
}

Report bitfieldReport(DALRfCmdDef::Bitfield const &bitfield)
{
    Report report = Report::object();
    report.insert(QStringLiteral("name"), bitfield.name);
    report.insert(QStringLiteral("bits"), range(bitfield.bitOffset, bitfield.bitLength));
    insertText(report, QStringLiteral("type"), bitfield.type);
    insertText(report, QStringLiteral("access"), bitfield.access);
    insertText(report, QStringLiteral("description"), bitfield.description);
    if (!bitfield.listItems.isEmpty()) {
        Report items = Report::list();
        for (const DALRfCmdDef::ListItem &item : bitfield.listItems)
            items.append(QStringLiteral("%1 = %2").arg(item.value, item.text));
        report.insert(QStringLiteral("values"), items);
    }
    return report;
}

Report fieldReport(DALRfCmdDef::Field const &field)
{
    Report report = Report::object();
    report.insert(QStringLiteral("name"), field.name);
    report.insert(QStringLiteral("bytes"), range(field.byteOffset, field.byteLength));
    insertText(report, QStringLiteral("type"), field.type);
    if (field.type == QLatin1String("pointer")) {
        report.insert(QStringLiteral("pointer"), Report::object()
                                                     .insert(QStringLiteral("type"), field.ptrType)
                                                     .insert(QStringLiteral("name"), field.ptrName)
                                                     .insert(QStringLiteral("offset"), int(field.ptrOffset)));
    }
    insertText(report, QStringLiteral("access"), field.access);
    insertText(report, QStringLiteral("description"), field.description);
    if (!field.bitfields.isEmpty()) {
        Report bitfields = Report::list();
        for (const DALRfCmdDef::Bitfield &bitfield : field.bitfields)
            bitfields.append(bitfieldReport(bitfield));
        report.insert(QStringLiteral("bitfields"), bitfields);
    }
    return report;
}

int runCommands(CommandContext &context, Report &report)
{
    if (context.arguments.isEmpty() || context.arguments.size() > 2)
        return usageError(context, QStringLiteral("commands takes a device and optionally a command name"));

    QString device = context.arguments.at(0);
    const QString only = context.arguments.value(1);
    report.insert(QStringLiteral("device"), device);
    DALRfCmdDef definitions(device);

    Report groups = Report::list();
    bool found = false;
    for (const DALRfCmdDef::RfCommandGroup &group : definitions.getRfCommandGroups().groups) {
        Report commands = Report::list();
        int shown = 0;
        for (const DALRfCmdDef::RfCommandDefinition &definition : group.definitions) {
            if (!only.isEmpty() && definition.name != only)
                continue;
            ++shown;
            Report fields = Report::list();
            for (const DALRfCmdDef::Field &field : definition.fields)
                fields.append(fieldReport(field));
            Report command = Report::object();
            command.insert(QStringLiteral("name"), definition.name)
                .insert(QStringLiteral("id"), hex16(definition.id))
                .insert(QStringLiteral("size"), int(definition.size));
            insertText(command, QStringLiteral("description"), definition.description);
            command.insert(QStringLiteral("fields"), fields);
            commands.append(command);
        }
        found = found || shown > 0;
        // With a command name, only the group that holds it is shown.
        if (only.isEmpty() || shown > 0) {
            groups.append(Report::object()
                              .insert(QStringLiteral("name"), group.name)
                              .insert(QStringLiteral("commands"), commands));
        }
    }
    report.insert(QStringLiteral("groups"), groups);

    if (!only.isEmpty() && !found) {
        QTextStream(stderr) << "dal-inspect: no command named \"" << only << "\"\n";
        return ExitFailure;
    }
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("commands"),
    QStringLiteral("DEVICE [COMMAND]"),
    QStringLiteral("RF command layouts of rf_command_definitions.xml: groups, commands with id "
                   "and size, fields with byte ranges and bit fields."),
    {},
    runCommands,
    QStringLiteral(
        "Reads the device's rf_command_definitions.xml and lists every command group with its "
        "commands: id, size in bytes, description, and the fields (the group's common fields "
        "first) with their byte range, type, access, pointer target and bit fields with their "
        "list values. With COMMAND, only that command is shown; a name that no group defines is "
        "exit status 1."
        "\n\n"
        "  dal-inspect commands VO4725 CMD_PROP_RADIO_SETUP"),
});

} // namespace
