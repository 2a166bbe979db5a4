// dal-inspect family: which device family tests hold for a device name, and
// optionally what a UI class string enables.

#include "command.h"

#include "DALCommon.h"

namespace {

const QCommandLineOption uiClassOption(QStringLiteral("ui-class"),
    QStringLiteral("family: also evaluate the UI class tests for CLASS."), QStringLiteral("CLASS"));

struct DeviceTest
{
    char const *name;
    bool (*test)(QString const &);
};

const DeviceTest deviceTests[] = {
    {"isVo47", &DALCommon::isVo47},
    {"isVo83", &DALCommon::isVo83},
    {"isTundra", &DALCommon::isTundra},
    {"isVo47Tundra", &DALCommon::isVo47Tundra},
    {"isVo83Tundra", &DALCommon::isVo83Tundra},
    {"isTundraBaw", &DALCommon::isTundraBaw},
    {"isTundraHighPa", &DALCommon::isTundraHighPa},
    {"isTundraPg1", &DALCommon::isTundraPg1},
    {"isVo47Saffron", &DALCommon::isVo47Saffron},
    {"isVo83Saffron", &DALCommon::isVo83Saffron},
    {"isSaffron", &DALCommon::isSaffron},
    {"isVo47Pg20", &DALCommon::isVo47Pg20},
    {"isVo83K7", &DALCommon::isVo83K7},
    {"isVo47Ble", &DALCommon::isVo47Ble},
    {"isVo83Ble", &DALCommon::isVo83Ble},
    {"isVoBle", &DALCommon::isVoBle},
    {"isVoBle5", &DALCommon::isVoBle5},
    {"isVo47Ieee154", &DALCommon::isVo47Ieee154},
    {"isVo83Ieee154", &DALCommon::isVo83Ieee154},
    {"isVoIeee154", &DALCommon::isVoIeee154},
    {"isVo47Proprietary", &DALCommon::isVo47Proprietary},
    {"isVo83Proprietary", &DALCommon::isVo83Proprietary},
    {"isVoProprietary", &DALCommon::isVoProprietary},
};

int runFamily(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("family takes one device name"));

    const QString device = context.arguments.first();
    QString withoutPg = device;
    DALCommon::removePgInformation(&withoutPg);
    report.insert(QStringLiteral("device"), device);
    report.insert(QStringLiteral("name without suffix"), DALCommon::getDeviceNameWithoutSuffix(device));
    report.insert(QStringLiteral("name without version"), withoutPg);

    Report holds = Report::list();
    for (const DeviceTest &entry : deviceTests) {
        if (entry.test(device))
            holds.append(QString::fromLatin1(entry.name));
    }
    report.insert(QStringLiteral("family tests"), holds);

    if (context.parser.isSet(uiClassOption)) {
        const QString uiClass = context.parser.value(uiClassOption);
        report.insert(QStringLiteral("ui class"),
                      Report::object()
                          .insert(QStringLiteral("name"), uiClass)
                          .insert(QStringLiteral("isUiClassBle"), DALCommon::isUiClassBle(uiClass))
                          .insert(QStringLiteral("isDeviceUsingChannels"),
                                  DALCommon::isDeviceUsingChannels(uiClass))
                          .insert(QStringLiteral("isContTxDataFormatEnabled"),
                                  DALCommon::isContTxDataFormatEnabled(uiClass))
                          .insert(QStringLiteral("hasPacketRxAdvancedPanel"),
                                  DALCommon::hasPacketRxAdvancedPanel(uiClass, device)));
    }
    return ExitOk;
}

const CommandRegistration registration({
    QStringLiteral("family"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Device family tests that hold for DEVICE (with --ui-class, the UI class tests too)."),
    {uiClassOption},
    runFamily,
    QStringLiteral(
        "Evaluates every device family test of the library on the name DEVICE (which need not "
        "exist in the tree) and lists the ones that hold, with the name stripped of its suffix "
        "and of its silicon version. With --ui-class, the answers of the UI class tests for CLASS "
        "are added. Reads no file."
        "\n\n"
        "  dal-inspect --ui-class PROP-F family VO4767W_2G4_PG2.1"),
});

} // namespace
