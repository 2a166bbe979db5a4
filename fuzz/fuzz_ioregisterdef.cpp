// io_registers.xml as the host parses it, handed to DALIoRegisterDef.
#include "fuzztree.h"

#include "DALIoRegisterDef.h"

#include <QDomDocument>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    QDomDocument document;
    const std::unique_ptr<DALIoRegisterDef> parsed = FuzzTree::copyOfParsed<DALIoRegisterDef>(content, &document);
    if (!parsed)
        return 0;
    DALIoRegisterDef &copy = *parsed;

    int total = copy.getStatus();
    if (QList<DALIoRegisterDef::IoRegister> *list = copy.getIoRegisterDefinition()) {
        for (const DALIoRegisterDef::IoRegister &entry : *list)
            total += FuzzTree::consume(entry.name) + int(entry.address);
    }
    for (const QString &name : FuzzTree::names(content, 16)) {
        unsigned int address = 0;
        total += copy.getAddress(name, &address) + int(address);
    }
    return total == -12345 ? 1 : 0;
}
