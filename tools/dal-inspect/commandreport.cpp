#include "commandreport.h"

namespace {

Report overrideReport(DALRfCmdSettings::OverrideField const &overrideField)
{
    Report blocks = Report::list();
    for (const QString &block : overrideField.blocks)
        blocks.append(block);
    DALRfOverrideMap map = overrideField.overrideMap;
    Report indexes = Report::object();
    for (const QString &name : map.getFieldNames()) {
        Report list = Report::list();
        for (int index : map.getIndexes(name))
            list.append(index);
        indexes.insert(name.isEmpty() ? QStringLiteral("(unnamed)") : name, list);
    }
    return Report::object()
        .insert(QStringLiteral("name"), overrideField.name)
        .insert(QStringLiteral("blocks"), blocks)
        .insert(QStringLiteral("map"), indexes);
}

} // namespace

Report commandsReport(QList<DALRfCmdSettings::Command> const &commands)
{
    Report list = Report::list();
    for (const DALRfCmdSettings::Command &command : commands) {
        Report fields = Report::list();
        for (const DALRfCmdSettings::CmdField &field : command.fields) {
            QString line = field.name + QStringLiteral(" = ") + field.value;
            if (!field.tfOverride)
                line += QStringLiteral(" [tfOverride=no]");
            fields.append(line);
        }
        Report entry = Report::object().insert(QStringLiteral("name"), command.name);
        if (!command.function.isEmpty())
            entry.insert(QStringLiteral("function"), command.function);
        entry.insert(QStringLiteral("fields"), fields);
        if (!command.overrideField.blocks.isEmpty() || !command.overrideField.name.isEmpty())
            entry.insert(QStringLiteral("override"), overrideReport(command.overrideField));
        list.append(entry);
    }
    return list;
}

QString hexText(uint value, int width)
{
    return QStringLiteral("0x") + QString::number(value, 16).toUpper().rightJustified(width, QLatin1Char('0'));
}

Report paLevelReport(DALPaSettingsDef::PaSetting const &level, bool withCommands)
{
    Report options = Report::list();
    for (const QString &option : level.options)
        options.append(option);
    Report entry = Report::object()
                       .insert(QStringLiteral("text"), level.text)
                       .insert(QStringLiteral("value"), hexText(level.value, 4))
                       .insert(QStringLiteral("txHighPa"), level.txHighPa == 0xFFFFFFFFu
                                                               ? QStringLiteral("none")
                                                               : hexText(level.txHighPa, 8))
                       .insert(QStringLiteral("options"), options);
    if (withCommands)
        entry.insert(QStringLiteral("commands"), commandsReport(level.commands));
    return entry;
}
