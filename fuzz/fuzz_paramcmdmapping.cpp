// param_cmd_mapping.xml, read by DALParamCmdMapping.
#include "fuzztree.h"

#include "DALParamCmdMapping.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/param_cmd_mapping.xml"), content);

    QString device = FuzzTree::device();
    auto mapping = std::make_unique<DALParamCmdMapping>(device);
    int total = DALParamCmdMapping::fileExist(device) ? 1 : 0;
    DALParamCmdMapping copy(*mapping);
    mapping.reset();
    // The copy must stand alone once the original is gone.
    if (const QList<DALParamCmdMapping::Parameter> *parameters = copy.getDefaultListOfParameters()) {
        for (const DALParamCmdMapping::Parameter &parameter : *parameters)
            total += FuzzTree::consume(parameter.names) + FuzzTree::consume(parameter.rfCommands);
    }
    return total == -12345 ? 1 : 0;
}
