// device_description.xml of a device, read by DALDeviceDescr both through the
// device map and from the device's own directory.
#include "fuzztree.h"

#include "DALDeviceDescr.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/device_description.xml"), content);

    int total = 0;
    for (bool useDeviceConfig : {true, false}) {
        FuzzTree::reset();
        QString device = FuzzTree::device();
        DALDeviceDescr descr(device, useDeviceConfig);
        total += descr.getStatus() + FuzzTree::consume(descr.getErrMsg());
        total += FuzzTree::consume(descr.getBrief()) + FuzzTree::consume(descr.getDescription());
        total += FuzzTree::consume(descr.getPhotoUrl()) + FuzzTree::consume(descr.getUiClass());
        total += FuzzTree::consume(descr.getUrlProductPage());
        QStringList docs;
        total += descr.getDocList(docs) + FuzzTree::consume(docs);
        DALDeviceDescr copy(descr);
        copy = descr;
    }
    return total == -12345 ? 1 : 0;
}
