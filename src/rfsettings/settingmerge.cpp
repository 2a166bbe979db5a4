// Setting lookup and the merging of command lists into a setting.

#include "DALRfCmdSettings.h"

#include "commandread_p.h"

#include "DALCommon.h"
#include "nameindex_p.h"
#include "report_p.h"

#include <QSet>
#include <QVector>

#include <cstring>
#include <type_traits>

namespace {


template <typename List, typename Key>
auto findByName(List &list, const Key &name) -> decltype(&list.first())
{
    for (auto &item : list) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

bool containsName(const QList<DALRfCmdSettings::Command> &commands, const QString &name)
{
    return findByName(commands, name) != nullptr;
}

// A host may pass any integer cast to the enumeration; reading it through its
// underlying type keeps an out-of-range value defined (it merges nothing).
int testFunctionValue(const DALRfCmdSettings::TestFunc_e &testFunc)
{
    std::underlying_type_t<DALRfCmdSettings::TestFunc_e> value;
    std::memcpy(&value, &testFunc, sizeof value);
    return static_cast<int>(value);
}

} // namespace

DALRfCmdSettings::CmdSetting DALRfCmdSettings::getSetting(const QString &category, const QString &setting,
                                                          const TestFunc_e &testFunc)
{
    CmdSetting result;
    const RfCategory *found = findByName(qAsConst(m_rfCategories.categories), category);
    if (!found) {
        DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Default Category not given in %1").arg(DALCommandRead::kCategoriesFile));
        return result;
    }
    const CmdSetting *match = nullptr;
    for (const CmdSetting &candidate : found->settings) {
        if (candidate.fileName == setting) {
            match = &candidate;
            break;
        }
    }
    DALCommon::setError(0, QString());
    if (!match) {
        DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Default setting not given in %1").arg(DALCommandRead::kCategoriesFile));
        return result;
    }

    result = *match;
    switch (testFunctionValue(testFunc)) {
    case TF_CONT_TX:
        mergeSettings(&result.commands, &result.contTx, true);
        break;
    case TF_CONT_RX:
        mergeSettings(&result.commands, &result.contRx, true);
        break;
    case TF_PACKET_TX:
        mergeSettings(&result.commands, &result.packetTx, true);
        break;
    case TF_PACKET_RX:
        mergeSettings(&result.commands, &result.packetRx, true);
        break;
    case TF_ALL:
        mergeAllSettings(result);
        break;
    default:
        break;
    }
    return result;
}

DALRfCmdSettings::CmdSetting DALRfCmdSettings::getSetting(const QString &setting)
{
    for (const RfCategory &category : qAsConst(m_rfCategories.categories)) {
        for (const CmdSetting &candidate : category.settings) {
            if (candidate.fileName == setting)
                return getSetting(category.name, setting, TF_NONE);
        }
    }
    return CmdSetting();
}

DALRfCmdSettings::CmdSetting DALRfCmdSettings::getDefSetting(const TestFunc_e &testFunc)
{
    return getSetting(m_rfCategories.defCategory, m_rfCategories.defSetting, testFunc);
}

QString DALRfCmdSettings::getSettingOptions(const QString &setting)
{
    for (const RfCategory &category : qAsConst(m_rfCategories.categories)) {
        for (const CmdSetting &candidate : category.settings) {
            if (candidate.fileName == setting)
                return candidate.options;
        }
    }
    return QString();
}

void DALRfCmdSettings::mergeCommandsToSetting(CmdSetting &setting, QList<Command> &commands, bool appendNew)
{
    m_status = mergeSettings(&setting.commands, &commands, appendNew);
}

int DALRfCmdSettings::mergeAllSettings(CmdSetting &setting)
{
    mergeSettings(&setting.commands, &setting.contTx, true);
    mergeSettings(&setting.commands, &setting.contRx, true);
    mergeSettings(&setting.commands, &setting.packetTx, true);
    mergeSettings(&setting.commands, &setting.packetRx, true);
    return 0;
}

// The same merge as the nested walk of mergeSettings for long lists: every
// target command takes every source command of its name in source order, then
// source commands whose name the target lacks are appended (the first of a name
// only, since it joins the target).
int DALRfCmdSettings::mergeIndexed(QList<Command> *target, QList<Command> *source, bool appendNew)
{
    NameIndex sourceByName;
    sourceByName.build(source->size(), [source](int s) { return source->at(s).name; });
    QSet<QString> targetNames;
    targetNames.reserve(target->size() + source->size());
    for (int t = 0; t < target->size(); ++t) {
        Command &command = (*target)[t];
        targetNames.insert(command.name);
        for (int s = sourceByName.first(command.name); s >= 0; s = sourceByName.next(s))
            mergeCommand(command, (*source)[s]);
    }
    if (appendNew) {
        for (const Command &command : qAsConst(*source)) {
            if (targetNames.contains(command.name))
                continue;
            targetNames.insert(command.name);
            target->append(command);
        }
    }
    return 0;
}

int DALRfCmdSettings::mergeSettings(QList<Command> *target, QList<Command> *source, bool appendNew)
{
    if (target == source) {
        // Merging a list into itself: work from a snapshot of the source.
        QList<Command> snapshot = *source;
        return mergeSettings(target, &snapshot, appendNew);
    }

    // Lists whose walk would compare more pairs than two indexed lists hold
    // are merged through a name index.
    if (target->size() * source->size() > NameIndex::kThreshold * NameIndex::kThreshold)
        return mergeIndexed(target, source, appendNew);

    for (int t = 0; t < target->size(); ++t) {
        for (int s = 0; s < source->size(); ++s) {
            if ((*target)[t].name == source->at(s).name)
                mergeCommand((*target)[t], (*source)[s]);
        }
    }
    if (appendNew) {
        for (const Command &command : qAsConst(*source)) {
            if (!containsName(*target, command.name))
                target->append(command);
        }
    }
    return 0;
}

int DALRfCmdSettings::mergeCommand(Command &target, Command &source)
{
    for (CmdField &field : target.fields) {
        if (const CmdField *update = findByName(qAsConst(source.fields), field.name))
            field.value = update->value;
    }
    for (const CmdField &field : qAsConst(source.fields)) {
        if (!findByName(qAsConst(target.fields), field.name))
            target.fields.append(field);
    }
    mergeOverrideField(target, source);
    return 0;
}

void DALRfCmdSettings::mergeOverrideField(Command &target, Command &source)
{
    const OverrideField &from = source.overrideField;
    if (from.name.isEmpty() || from.blocks.isEmpty())
        return;
    OverrideField &into = target.overrideField;
    into.name = from.name;
    for (const QString &block : from.blocks) {
        if (into.blocks.contains(block))
            continue;
        into.blocks.append(block);
        into.overrideMap.addOverrideIndex(into.name, into.blocks.size() - 1);
    }
}
