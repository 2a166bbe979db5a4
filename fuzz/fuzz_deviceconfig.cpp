// device_config.xml, read by the device map on the first path lookup.
#include "fuzztree.h"

#include "DALDeviceConfig.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/device_config.xml"), content);

    const QString device = FuzzTree::device();
    QStringList files = FuzzTree::names(content, 16);
    files << QStringLiteral("categories.xml") << QStringLiteral("param_definition.xml");
    int total = 0;
    for (const QString &file : files) {
        total += FuzzTree::consume(DALDeviceConfig::getPath(file, device, QString(), QString()));
        total += FuzzTree::consume(DALDeviceConfig::getPath(file, device + QStringLiteral("_2G4"), QStringLiteral("2G4"),
                                                            QStringLiteral("PG2.1")));
    }
    FuzzTree::reset();
    return total == -12345 ? 1 : 0;
}
