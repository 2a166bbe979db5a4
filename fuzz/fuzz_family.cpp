// Device-family tests and device-name helpers of DALCommon on arbitrary
// device names and UI classes (the input's NUL-separated parts).
#include "fuzztree.h"

#include "DALCommon.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QList<QByteArray> parts = FuzzTree::split(data, size, 2);
    const QString device = QString::fromUtf8(parts.at(0));
    const QString uiClass = QString::fromUtf8(parts.at(1));
    int total = 0;
    for (bool (*test)(QString const &) :
         {&DALCommon::isVo47, &DALCommon::isVo83, &DALCommon::isTundra, &DALCommon::isVo47Tundra,
          &DALCommon::isVo83Tundra, &DALCommon::isTundraBaw, &DALCommon::isTundraHighPa, &DALCommon::isTundraPg1,
          &DALCommon::isVo47Saffron, &DALCommon::isVo83Saffron, &DALCommon::isSaffron, &DALCommon::isVo47Pg20,
          &DALCommon::isVo83K7, &DALCommon::isVo47Ble, &DALCommon::isVo83Ble, &DALCommon::isVoBle,
          &DALCommon::isVoBle5, &DALCommon::isVo47Ieee154, &DALCommon::isVo83Ieee154, &DALCommon::isVoIeee154,
          &DALCommon::isVo47Proprietary, &DALCommon::isVo83Proprietary, &DALCommon::isVoProprietary})
        total += test(device);
    for (bool (*test)(QString const &) :
         {&DALCommon::isUiClassBle, &DALCommon::isDeviceUsingChannels, &DALCommon::isContTxDataFormatEnabled})
        total += test(uiClass);
    total += DALCommon::hasPacketRxAdvancedPanel(uiClass, device);
    total += FuzzTree::consume(DALCommon::getDeviceNameWithoutSuffix(device));
    QString stripped = device;
    DALCommon::removePgInformation(&stripped);
    total += FuzzTree::consume(stripped);
    QString html = device;
    DALCommon::encodeHtmlCharEntities(html);
    total += FuzzTree::consume(html);
    for (const QChar c : uiClass)
        total += DALCommon::isHexDigit(c);
    if (!parts.at(1).isEmpty()) {
        const char byte = parts.at(1).at(0);
        total += DALCommon::reverseBitOrder(byte);
        total += FuzzTree::consume(DALCommon::chipTypeToString(static_cast<unsigned short>(byte * 257)));
    }
    return total == -12345 ? 1 : 0;
}
