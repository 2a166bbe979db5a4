#ifndef DALINSPECT_COMMANDREPORT_H
#define DALINSPECT_COMMANDREPORT_H

#include "report.h"

#include "DALRfCmdSettings.h"

#include <QList>

// One report entry per command: name, function, "field = value" lines and,
// when it has any, its override blocks with the map of override names.
Report commandsReport(QList<DALRfCmdSettings::Command> const &commands);

#endif // DALINSPECT_COMMANDREPORT_H
