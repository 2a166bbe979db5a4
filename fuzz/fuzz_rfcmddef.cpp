// rf_command_definitions.xml, read by DALRfCmdDef.
#include "fuzztree.h"

#include "DALRfCmdDef.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/rf_command_definitions.xml"), content);

    QString device = FuzzTree::device();
    auto definitions = std::make_unique<DALRfCmdDef>(device);
    int total = DALRfCmdDef::fileExist(device) ? 1 : 0;
    DALRfCmdDef copy(*definitions);
    definitions.reset();
    for (const DALRfCmdDef::RfCommandGroup &group : copy.getRfCommandGroups().groups) {
        for (const DALRfCmdDef::RfCommandDefinition &command : group.definitions) {
            total += FuzzTree::consume(command.name);
            for (const DALRfCmdDef::Field &field : command.fields) {
                total += FuzzTree::consume(field.name);
                for (const DALRfCmdDef::Bitfield &bitfield : field.bitfields) {
                    total += FuzzTree::consume(bitfield.name);
                    for (const DALRfCmdDef::ListItem &item : bitfield.listItems)
                        total += FuzzTree::consume(item.value) + FuzzTree::consume(item.text);
                }
            }
        }
    }
    return total == -12345 ? 1 : 0;
}
