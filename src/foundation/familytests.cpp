#include "DALCommon.h"

#include <QRegularExpression>

// The family tests answer fixed questions about device names and UI class
// strings. They are pure functions: no file, no state.

namespace {

// Whether the regular expression pattern is found anywhere in text
// (case-sensitive, not anchored; \d and \w stand for any Unicode digit and
// word character, as in the classic syntax).
bool matches(QString const &text, QString const &pattern)
{
    return QRegularExpression(pattern, QRegularExpression::UseUnicodePropertiesOption).match(text).hasMatch();
}

bool contains(QString const &text, char const *what)
{
    return text.contains(QLatin1String(what), Qt::CaseSensitive);
}

} // namespace

bool DALCommon::isVo47(QString const &device)
{
    return contains(device, "VO47");
}

bool DALCommon::isVo83(QString const &device)
{
    return contains(device, "VO83");
}

bool DALCommon::isTundra(QString const &device)
{
    return isVo83Tundra(device) || isVo47Tundra(device);
}

bool DALCommon::isVo47Tundra(QString const &device)
{
    return matches(device, QStringLiteral("VO47\\d7"));
}

bool DALCommon::isVo83Tundra(QString const &device)
{
    return matches(device, QStringLiteral("VO83\\d7"));
}

bool DALCommon::isTundraBaw(QString const &device)
{
    return contains(device, "VO8367KN");
}

bool DALCommon::isTundraHighPa(QString const &device)
{
    return contains(device, "VO4767W");
}

bool DALCommon::isTundraPg1(QString const &device)
{
    return isTundra(device) && matches(device.toUpper(), QStringLiteral("_PG1\\d"));
}

bool DALCommon::isVo47Saffron(QString const &device)
{
    return matches(device, QStringLiteral("VO47\\d5"));
}

bool DALCommon::isVo83Saffron(QString const &device)
{
    return matches(device, QStringLiteral("VO83\\d5")) || contains(device, "KBT203");
}

bool DALCommon::isSaffron(QString const &device)
{
    return isVo83Saffron(device) || isVo47Saffron(device);
}

bool DALCommon::isVo47Pg20(QString const &device)
{
    return contains(device, "VO47") && contains(device.toUpper(), "_PG20");
}

bool DALCommon::isVo83K7(QString const &device)
{
    return contains(device, "K7") && contains(device, "VO83");
}

bool DALCommon::isVo47Ble(QString const &device)
{
    return contains(device, "VO47") && contains(device, "BLE");
}

bool DALCommon::isVo83Ble(QString const &device)
{
    return matches(device, QStringLiteral("VO836\\d[A-Z]{0,2}_BLE"))
           || (contains(device, "VO8395") && !contains(device, "PROP"))
           || contains(device, "VO8397K");
}

bool DALCommon::isVoBle(QString const &device)
{
    return isVo83Ble(device) || isVo47Ble(device);
}

bool DALCommon::isVoBle5(QString const &device)
{
    return isVo83K7(device) || ((isVo83Ble(device) || isVo47Ble(device)) && isTundra(device));
}

bool DALCommon::isVo47Ieee154(QString const &device)
{
    return contains(device, "VO47") && contains(device, "IEEE_15_4");
}

bool DALCommon::isVo83Ieee154(QString const &device)
{
    return matches(device, QStringLiteral("VO836\\d[A-Z]{0,1}_IEEE_15_"))
           || contains(device, "VO8345") || contains(device, "VO8375");
}

bool DALCommon::isVoIeee154(QString const &device)
{
    return isVo83Ieee154(device) || isVo47Ieee154(device);
}

bool DALCommon::isVo47Proprietary(QString const &device)
{
    return matches(device, QStringLiteral("VO476\\d[A-Z]{0,1}_PROP"))
           || contains(device, "VO4725") || contains(device, "VO4727");
}

bool DALCommon::isVo83Proprietary(QString const &device)
{
    return contains(device, "VO8395K7T_PROP");
}

bool DALCommon::isVoProprietary(QString const &device)
{
    return contains(device, "VO8395K7T_PROP") || isVo47Proprietary(device);
}

bool DALCommon::isUiClassBle(QString const &uiClass)
{
    return uiClass == QLatin1String("BLE");
}

bool DALCommon::isDeviceUsingChannels(QString const &uiClass)
{
    return uiClass == QLatin1String("IEEE-A") || uiClass == QLatin1String("IEEE-B")
           || uiClass == QLatin1String("BLE");
}

bool DALCommon::isContTxDataFormatEnabled(QString const &uiClass)
{
    if (uiClass == QLatin1String("PROP-A-SOC") || uiClass == QLatin1String("PROP-F")
        || uiClass == QLatin1String("PROP-G"))
        return false;
    return !isDeviceUsingChannels(uiClass);
}

bool DALCommon::hasPacketRxAdvancedPanel(QString const &uiClass, QString const &device)
{
    if (isDeviceUsingChannels(uiClass))
        return false;
    return !isVo47(device);
}

QString DALCommon::getDeviceNameWithoutSuffix(QString const &device)
{
    const int separator = device.indexOf(QLatin1Char('_'));
    return separator < 0 ? device : device.left(separator);
}

void DALCommon::removePgInformation(QString *device)
{
    if (!device)
        return;
    const int position = device->indexOf(QLatin1String("_PG"), 0, Qt::CaseSensitive);
    if (position > 0)
        device->truncate(position);
}

QString DALCommon::chipTypeToString(unsigned short chipType)
{
    if (chipType == 0xFE12)
        return QStringLiteral("VO8395");
    return QLatin1String("VO") + QString::number(chipType, 16);
}
