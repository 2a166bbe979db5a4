#ifndef DALINSPECT_COMMANDREPORT_H
#define DALINSPECT_COMMANDREPORT_H

#include "report.h"

#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"

#include <QList>

// One report entry per command: name, function, "field = value" lines and,
// when it has any, its override blocks with the map of override names.
Report commandsReport(QList<DALRfCmdSettings::Command> const &commands);

// "0x" followed by at least `width` upper-case hexadecimal digits.
QString hexText(uint value, int width);

// A PA level: text, value, high-PA value, options and, when asked, commands.
Report paLevelReport(DALPaSettingsDef::PaSetting const &level, bool withCommands);

#endif // DALINSPECT_COMMANDREPORT_H
