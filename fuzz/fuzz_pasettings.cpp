// A PA settings file of a device, read by DALPaSettingsDef through the device
// map and looked up by RF design and frequency.
#include "fuzztree.h"

#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/pa/pasettings.xml"), content);

    QString device = FuzzTree::device();
    DALRfCmdSettings cmdSettings(device);
    auto pa = std::make_unique<DALPaSettingsDef>(QString(), device, &cmdSettings, true);
    DALPaSettingsDef copy(*pa);
    copy = *pa;
    pa.reset();

    int total = 0;
    const QString file = QStringLiteral("pasettings.xml");
    QStringList designs = FuzzTree::names(content, 8);
    if (DALPaSettingsDef::PaSettings *settings = copy.getPaSettingsFile(file)) {
        for (const DALPaSettingsDef::RfDesign &design : settings->rfDesigns)
            designs.append(design.name);
    }
    for (const QString &design : designs) {
        for (unsigned short frequency : {0, 1, 868, 915, 2440, 65535}) {
            DALPaSettingsDef::PaSettingTable *table = copy.getPaSettingTable(file, design, frequency);
            if (!table)
                continue;
            for (const DALPaSettingsDef::PaSetting &level : table->paSettings) {
                QString text = level.text;
                total += copy.getPaSettingCommands(table, text).size() + level.value;
            }
        }
    }
    return total == -12345 ? 1 : 0;
}
