// device_definition.xml as the host parses it, handed to DALDeviceDef.
#include "fuzztree.h"

#include "DALDeviceDef.h"

#include <QDomDocument>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    QDomDocument document;
    const std::unique_ptr<DALDeviceDef> parsed = FuzzTree::copyOfParsed<DALDeviceDef>(
        QByteArray(reinterpret_cast<char const *>(data), static_cast<int>(size)), &document);
    if (!parsed)
        return 0;
    DALDeviceDef &copy = *parsed;
    int total = 0;
    if (DALDeviceDef::DeviceDef *def = copy.getDeviceDefinition()) {
        for (const DALDeviceDef::Package &package : def->packages)
            total += FuzzTree::consume(package.name) + FuzzTree::consume(package.ioPins);
    }
    return total == -12345 ? 1 : 0;
}
