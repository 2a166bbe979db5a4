#ifndef DAL_COMMANDCOPY_P_H
#define DAL_COMMANDCOPY_P_H

#include "DALRfCmdSettings.h"
#include "recordcopy_p.h"

// detach() for the command records that the settings, PA and front-end
// readers hand out (see recordcopy_p.h). Internal to the library.

// Its entries may be shared: every read of the map is a const access, so no
// copy of it ever moves the index lists a reference points at.
inline void detach(DALRfOverrideMap &) {}

inline void detach(DALRfCmdSettings::CmdField &) {}
inline void detach(DALRfCmdSettings::Patch &) {}

inline void detach(DALRfCmdSettings::OverrideField &field)
{
    DALRecordCopy::detach(field.blocks);
}

inline void detach(DALRfCmdSettings::WriteCustom &custom)
{
    DALRecordCopy::detach(custom.values);
}

inline void detach(DALRfCmdSettings::Command &command)
{
    DALRecordCopy::detach(command.fields);
    detach(command.overrideField);
}

inline void detach(DALRfCmdSettings::CmdSetting &setting)
{
    DALRecordCopy::detach(setting.writeCustoms);
    for (QList<DALRfCmdSettings::Command> *commands :
         {&setting.commands, &setting.contTx, &setting.contRx, &setting.packetTx, &setting.packetRx})
        DALRecordCopy::detach(*commands);
}

inline void detach(DALRfCmdSettings::RfCategory &category)
{
    DALRecordCopy::detach(category.settings);
}

inline void detach(DALRfCmdSettings::RfCategories &categories)
{
    DALRecordCopy::detach(categories.categories);
}

#endif // DAL_COMMANDCOPY_P_H
