// Lists the devices of a configuration tree, as a host application would.
//   list-devices CONFIG_ROOT

#include "DALCommon.h"
#include "DALDeviceList.h"

#include <QString>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: list-devices CONFIG_ROOT\n";
        return 2;
    }

    DALDeviceList list(QString::fromLocal8Bit(argv[1]));
    if (list.getStatus() != 0) {
        for (const QString &message : DALCommon::getErrorList())
            out << "error: " << message << '\n';
        return 1;
    }
    for (QString group : list.getDeviceGroups()) {
        out << group << '\n';
        for (const QString &device : list.getGroupDevices(group))
            out << "  " << device << ": " << list.getDeviceBrief(device) << '\n';
    }
    return DALCommon::getErrorList().isEmpty() ? 0 : 1;
}
