// radio_par_definitions.xml, read by DALRadioParDef.
#include "fuzztree.h"

#include "DALRadioParDef.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/radio_par_definitions.xml"), content);

    QString device = FuzzTree::device();
    auto definitions = std::make_unique<DALRadioParDef>(device);
    DALRadioParDef copy(*definitions);
    DALRadioParDef assigned(copy);
    assigned = *definitions;
    definitions.reset();
    // Field records are shared between copies: both must outlive the original.
    int total = 0;
    for (DALRadioParDef *defs : {&copy, &assigned}) {
        for (const DALRadioParDef::RadioParDef &par : defs->getDefinitions().radioPars) {
            total += FuzzTree::consume(par.name);
            for (auto it = par.fields.cbegin(); it != par.fields.cend(); ++it)
                total += FuzzTree::consume(it.value()->name) + it.value()->position;
        }
    }
    return total == -12345 ? 1 : 0;
}
