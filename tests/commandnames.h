#ifndef DAL_TEST_COMMANDNAMES_H
#define DAL_TEST_COMMANDNAMES_H

#include "DALRfCmdSettings.h"

#include <QStringList>

// The names of a command list, in order.
inline QStringList commandNames(QList<DALRfCmdSettings::Command> const &commands)
{
    QStringList result;
    for (const DALRfCmdSettings::Command &command : commands)
        result.append(command.name);
    return result;
}

#endif // DAL_TEST_COMMANDNAMES_H
