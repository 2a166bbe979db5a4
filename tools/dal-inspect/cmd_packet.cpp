// dal-inspect packet: a packet format of packet/<name>.xml with its fields.

#include "command.h"

#include "DALPacket.h"

namespace {

QString typeName(int type)
{
    switch (type) {
    case 16: return QStringLiteral("hex");
    case 10: return QStringLiteral("decimal");
    case 2: return QStringLiteral("binary");
    case 0: return QStringLiteral("hex_payload");
    default: return QString::number(type);
    }
}

// Numbers are shown in the field's own base, as the file writes them.
QString inBase(unsigned int value, int type)
{
    switch (type) {
    case 10: return QString::number(value);
    case 2: return QStringLiteral("0b") + QString::number(value, 2);
    default: return QStringLiteral("0x") + QString::number(value, 16);
    }
}

int runPacket(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("packet takes one packet name"));

    const QString name = context.arguments.first();
    // Faulty fields are reported by the library on standard output.
    const DALPacket packet(name);
    report.insert(QStringLiteral("file"), QStringLiteral("packet/") + name.toLower() + QStringLiteral(".xml"));
    report.insert(QStringLiteral("status"), packet.getStatus());
    report.insert(QStringLiteral("name"), packet.getName());
    report.insert(QStringLiteral("description"), packet.getDescription());

    QList<DALPacket::Field> fields;
    packet.getFields(fields);
    Report list = Report::list();
    for (const DALPacket::Field &field : qAsConst(fields)) {
        list.append(Report::object()
                        .insert(QStringLiteral("name"), field.name)
                        .insert(QStringLiteral("description"), field.description)
                        .insert(QStringLiteral("type"), typeName(field.type))
                        .insert(QStringLiteral("length"), field.length)
                        .insert(QStringLiteral("text length"), field.textLength)
                        .insert(QStringLiteral("min"), inBase(field.min, field.type))
                        .insert(QStringLiteral("max"), inBase(field.max, field.type))
                        .insert(QStringLiteral("default"), field.defaultValue)
                        .insert(QStringLiteral("fg color"), field.fgColor)
                        .insert(QStringLiteral("bg color"), field.bgColor)
                        .insert(QStringLiteral("read only"), field.readOnly)
                        .insert(QStringLiteral("append to payload"), field.appendToPayload));
    }
    report.insert(QStringLiteral("fields"), list);
    return packet.getStatus() == 0 ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("packet"),
    QStringLiteral("NAME"),
    QStringLiteral("The packet format of packet/NAME.xml: name, description and fields."),
    {},
    runPacket,
    QStringLiteral(
        "Reads packet/NAME.xml below the configuration root and lists the packet's name, "
        "description and fields with type, lengths, limits in the field's own base, default, "
        "colours and flags. The library prints faulty fields on stdout by itself; with --json "
        "those lines go into the document's libraryOutput list."
        "\n\n"
        "  dal-inspect packet prop_basic"),
});

} // namespace
