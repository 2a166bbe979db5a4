// param_definition.xml, read by DALParamDef.
#include "fuzztree.h"

#include "DALParamDef.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/param_definition.xml"), content);

    QString device = FuzzTree::device();
    DALParamDef definitions(device);
    int total = DALParamDef::fileExist(device) ? 1 : 0;
    for (int i = 0; i < definitions.count(); ++i) {
        total += FuzzTree::consume(definitions.at(i).name);
        for (int j = 0; j < definitions.depCount(i); ++j)
            total += FuzzTree::consume(definitions.depAt(i, j).name);
    }
    for (const QString &name : FuzzTree::names(content)) {
        if (const DALParamDef::ParamDefinition *found = definitions.getParamDefinition(name))
            total += FuzzTree::consume(found->name);
    }
    DALParamDef copy(definitions);
    copy = definitions;
    total += copy.count();
    return total == -12345 ? 1 : 0;
}
