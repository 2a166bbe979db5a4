// ui_translation.xml as the host parses it, handed to DALUiTranslation.
#include "fuzztree.h"

#include "DALUiTranslation.h"

#include <QDomDocument>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    QDomDocument document;
    const std::unique_ptr<DALUiTranslation> parsed = FuzzTree::copyOfParsed<DALUiTranslation>(content, &document);
    if (!parsed)
        return 0;
    DALUiTranslation &copy = *parsed;
    int total = copy.getStatus();
    for (const QString &name : FuzzTree::names(content, 16))
        total += FuzzTree::consume(copy.getUiName(name)) + FuzzTree::consume(copy.getLogicName(name));
    return total == -12345 ? 1 : 0;
}
