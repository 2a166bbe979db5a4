// An override_*.xml file of a device, read by DALRfOverrideDef.
#include "fuzztree.h"

#include "DALRfOverrideDef.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/overrides/override_prop_868.xml"), content);

    QString device = FuzzTree::device();
    auto overrides = std::make_unique<DALRfOverrideDef>(device);
    DALRfOverrideDef copy(*overrides);
    copy = *overrides;
    overrides.reset();
    int total = 0;
    for (const DALRfOverrideDef::Override &entry : copy.getOverrides())
        total += FuzzTree::consume(entry.name) + entry.elements.size() + entry.writeCustoms.size();
    return total == -12345 ? 1 : 0;
}
