// targets.xml and one target file (the input's NUL-separated parts) as the
// host parses them, handed to DALTargetDef.
#include "fuzztree.h"

#include "DALTargetDef.h"

#include <QDomDocument>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    const QList<QByteArray> parts = FuzzTree::split(data, size, 2);
    QDomDocument targets;
    if (!FuzzTree::parseAsHost(parts.at(0), &targets))
        return 0;
    QString first = QStringLiteral("targets.xml");
    QString second;
    auto definition = std::make_unique<DALTargetDef>(first, second, &targets, QStringLiteral("/targets"));
    QDomDocument target;
    const bool haveTarget = FuzzTree::parseAsHost(parts.at(1), &target);
    int total = 0;
    for (const QString &entry : definition->getFileInfolist())
        total += definition->readTargetFile(haveTarget ? &target : nullptr, entry);
    DALTargetDef copy(*definition);
    copy = *definition;
    definition.reset();
    const DALTargetDef::Targets &all = copy.getTargets();
    total += FuzzTree::consume(all.defaultTarget);
    for (const DALTargetDef::Target &entry : all.targets) {
        total += FuzzTree::consume(copy.getTargetFileName(entry.name)) + entry.ioSettings.size();
    }
    return total == -12345 ? 1 : 0;
}
