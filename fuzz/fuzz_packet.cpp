// A packet format file, packet/<name>.xml under the root, read by DALPacket.
#include "fuzztree.h"

#include "DALPacket.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("packet/prop_basic.xml"), content);

    auto packet = std::make_unique<DALPacket>(QStringLiteral("prop_basic"));
    DALPacket copy(*packet);
    copy = *packet;
    packet.reset();
    QList<DALPacket::Field> fields;
    int total = copy.getStatus() + copy.getFields(fields);
    total += FuzzTree::consume(copy.getName()) + FuzzTree::consume(copy.getDescription());
    for (const DALPacket::Field &field : fields)
        total += FuzzTree::consume(field.name) + FuzzTree::consume(field.description) + int(field.length);
    return total == -12345 ? 1 : 0;
}
