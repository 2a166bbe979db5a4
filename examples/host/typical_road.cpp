// Prepares a command setting for a test as a host application does, and
// prints the command list that would go to the radio:
//   1. the setting, with the commands of a test function merged in;
//   2. the commands of a PA level, merged in;
//   3. the commands of a front end at the setting's frequency, merged in.
//
//   typical-road CONFIG_ROOT
//
// The device, setting, PA level and front end are those of the bundled
// sample tree (examples/config/xml/).

#include "DALCommon.h"
#include "DALPaSettingsDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "dal_version.h"

#include <QDir>
#include <QString>
#include <QTextStream>

#if DAL_VERSION < DAL_VERSION_CHECK(0, 1, 0)
#error "typical-road needs libdal 0.1.0 or later"
#endif

namespace {

const char *const kDevice = "VO4725";
const char *const kCategory = "Proprietary 868 MHz";
const char *const kSetting = "prop_868_50kbps.xml";
const char *const kPaFile = "pasettings.xml";
const char *const kRfDesign = "VO4725EM-868";
const unsigned short kFrequency = 868;
const char *const kPaLevel = "14 dBm";
const char *const kFrontEnd = "Differential";

int failed(QTextStream &out, const char *step)
{
    out << "failed: " << step << '\n';
    for (const QString &message : DALCommon::getErrorList())
        out << "error: " << message << '\n';
    return 1;
}

void print(QTextStream &out, const QList<DALRfCmdSettings::Command> &commands)
{
    for (const DALRfCmdSettings::Command &command : commands) {
        out << command.name << '\n';
        for (const DALRfCmdSettings::CmdField &field : command.fields)
            out << "  " << field.name << " = " << field.value << '\n';
        if (DALRfCmdSettings::containsOverrides(&command)) {
            out << "  override " << command.overrideField.name << ':';
            for (const QString &block : command.overrideField.blocks)
                out << ' ' << block;
            out << '\n';
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QTextStream out(stdout);
    if (argc != 2) {
        out << "usage: typical-road CONFIG_ROOT\n";
        return 2;
    }
    // The directories in device_config.xml are relative to the working
    // directory; the sample's are written for its configuration root.
    const QString root = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    if (!QDir::setCurrent(root) || DALCommon::setConfigRoot(root) != 0)
        return failed(out, "configuration root");

    QString device = QString::fromLatin1(kDevice);
    DALRfCmdSettings settings(device);
    if (settings.getStatus() != 0)
        return failed(out, "command settings");
    DALRfCmdSettings::CmdSetting setting = settings.getSetting(
        QString::fromLatin1(kCategory), QString::fromLatin1(kSetting), DALRfCmdSettings::TF_CONT_TX);
    if (DALCommon::getStatus() != 0)
        return failed(out, "setting");

    // The PA settings are found through device_config.xml.
    DALPaSettingsDef paSettings(QString(), device, &settings, true);
    DALPaSettingsDef::PaSettingTable *table =
        paSettings.getPaSettingTable(QString::fromLatin1(kPaFile), QString::fromLatin1(kRfDesign), kFrequency);
    if (!table)
        return failed(out, "PA table");
    QString level = QString::fromLatin1(kPaLevel);
    QList<DALRfCmdSettings::Command> paCommands = paSettings.getPaSettingCommands(table, level);
    if (paCommands.isEmpty())
        return failed(out, "PA level");
    settings.mergeCommandsToSetting(setting, paCommands, true);

    DALRfFrontEndSettings frontEnds(device, &settings);
    if (frontEnds.getStatus() != 0)
        return failed(out, "front ends");
    QList<DALRfCmdSettings::Command> frontEndCommands =
        frontEnds.getFrontEndCommands(QString::fromLatin1(kFrontEnd), kFrequency);
    settings.mergeCommandsToSetting(setting, frontEndCommands, true);

    out << setting.name << " (" << kDevice << ", " << kPaLevel << ", " << kFrontEnd << ")\n";
    print(out, setting.commands);
    if (!DALCommon::getErrorList().isEmpty())
        return failed(out, "merging");
    return 0;
}
