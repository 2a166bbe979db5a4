// device_list.xml at the configuration root, read by DALDeviceList.
#include "fuzztree.h"

#include "DALDeviceList.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::write(QStringLiteral("device_list.xml"), content);

    DALDeviceList list(FuzzTree::root());
    int total = list.getStatus() + FuzzTree::consume(list.getLatestErrorMessage());
    total += FuzzTree::consume(list.getVersion());
    QStringList groups = list.getDeviceGroups();
    groups += FuzzTree::names(content, 16);
    for (QString group : groups) {
        total += FuzzTree::consume(list.getGroupDescr(group));
        const QStringList devices = list.getGroupDevices(group) + list.getDeviceList(group);
        for (const QString &device : devices) {
            total += FuzzTree::consume(list.getDeviceBrief(device));
            total += FuzzTree::consume(list.getDeviceType(device));
        }
    }
    DALDeviceList copy(list);
    copy = list;
    return total == -12345 ? 1 : 0;
}
