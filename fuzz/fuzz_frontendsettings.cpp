// frontend_settings.xml of a device, read by DALRfFrontEndSettings and looked
// up by front end and frequency.
#include "fuzztree.h"

#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/frontend_settings.xml"), content);

    const QString device = FuzzTree::device();
    QString name = device;
    DALRfCmdSettings cmdSettings(name);
    auto frontEnds = std::make_unique<DALRfFrontEndSettings>(device, &cmdSettings);
    DALRfFrontEndSettings copy(*frontEnds);
    DALRfFrontEndSettings assigned(copy);
    assigned = *frontEnds;
    frontEnds.reset();

    int total = copy.getStatus() + assigned.getStatus();
    const QStringList names = copy.getFrontEndNames() + FuzzTree::names(content, 8);
    for (const QString &frontEnd : names) {
        if (DALRfFrontEndSettings::FrontEnd *entry = assigned.getFrontEnd(frontEnd))
            total += entry->frequencyRanges.size();
        for (double frequency : {-1.0, 0.0, 868.0, 902.5, 1e300, 65536.0})
            total += copy.getFrontEndCommands(frontEnd, frequency).size();
    }
    return total == -12345 ? 1 : 0;
}
