// The command settings of a device: categories.xml, one setting file and one
// of its test-function files (the input's NUL-separated parts, in that
// order), read by DALRfCmdSettings and then looked up and merged.
#include "fuzztree.h"

#include "DALRfCmdSettings.h"

#include <memory>

namespace {

int consume(QList<DALRfCmdSettings::Command> const &commands)
{
    int total = 0;
    for (const DALRfCmdSettings::Command &command : commands) {
        total += FuzzTree::consume(command.name) + FuzzTree::consume(command.function);
        total += command.fields.size() + DALRfCmdSettings::containsOverrides(&command);
    }
    return total;
}

int consume(DALRfCmdSettings::CmdSetting const &setting)
{
    return FuzzTree::consume(setting.fileName) + FuzzTree::consume(setting.name) + consume(setting.commands)
           + consume(setting.contTx) + consume(setting.contRx) + consume(setting.packetTx)
           + consume(setting.packetRx);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QList<QByteArray> parts = FuzzTree::split(data, size, 3);
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/settings/categories.xml"), parts.at(0));
    FuzzTree::write(QStringLiteral("vo4725/settings/prop_868_50kbps.xml"), parts.at(1));
    FuzzTree::write(QStringLiteral("vo4725/settings/tf/packet_tx.xml"), parts.at(2));

    QString device = FuzzTree::device();
    auto settings = std::make_unique<DALRfCmdSettings>(device);
    DALRfCmdSettings copy(*settings);
    copy = *settings;
    settings.reset();

    int total = copy.getStatus();
    const DALRfCmdSettings::RfCategories categories = copy.getRfCategories();
    total += FuzzTree::consume(categories.defCategory) + FuzzTree::consume(categories.defSetting);
    for (const DALRfCmdSettings::RfCategory &category : categories.categories) {
        for (const DALRfCmdSettings::CmdSetting &setting : category.settings) {
            total += consume(copy.getSetting(category.name, setting.fileName, DALRfCmdSettings::TF_ALL));
            total += consume(copy.getSetting(category.name, setting.fileName, DALRfCmdSettings::TF_PACKET_TX));
            DALRfCmdSettings::CmdSetting merged = copy.getSetting(setting.fileName);
            QList<DALRfCmdSettings::Command> extra = setting.packetTx + setting.commands;
            copy.mergeCommandsToSetting(merged, extra, true);
            copy.mergeCommandsToSetting(merged, extra, false);
            total += consume(merged) + FuzzTree::consume(copy.getSettingOptions(setting.fileName));
        }
    }
    for (int tf = DALRfCmdSettings::TF_NONE; tf <= DALRfCmdSettings::TF_ALL; ++tf)
        total += consume(copy.getDefSetting(static_cast<DALRfCmdSettings::TestFunc_e>(tf)));
    return total == -12345 ? 1 : 0;
}
