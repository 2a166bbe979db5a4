// dal-inspect io DEVICE: the packages of a device with their IO pins, and for
// every pin its control functions, signals and register settings, with the
// register addresses resolved. Reads the device's device_definition.xml,
// io_pins.xml and io_registers.xml, found through its device_config.xml.

#include "command.h"
#include "hostdocument.h"

#include "DALCommon.h"
#include "DALDeviceDef.h"
#include "DALIoPinDef.h"
#include "DALIoRegisterDef.h"

#include <QDomDocument>

namespace {

bool loadDeviceDocument(QString const &fileName, QString const &device, QDomDocument *document)
{
    const QString directory = deviceFileDirectory(fileName, device);
    return !directory.isEmpty()
           && loadHostDocument(directory + QLatin1Char('/') + fileName, document);
}

QString hexAddress(unsigned int address)
{
    return QStringLiteral("0x") + QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

Report registersReport(DALIoPinDef &pins, DALIoRegisterDef &addresses, QString const &pin,
                       QString const &function, QString const &signal)
{
    Report list = Report::list();
    QList<DALIoPinDef::Register> registers;
    if (pins.getRegisters(pin, QString(), function, signal, &registers) != 0)
        return list;
    for (const DALIoPinDef::Register &reg : registers) {
        unsigned int address = 0;
        Report item = Report::object();
        item.insert(QStringLiteral("name"), reg.name);
        if (addresses.getAddress(reg.name, &address) == 0)
            item.insert(QStringLiteral("address"), hexAddress(address));
        item.insert(QStringLiteral("mask"), reg.mask).insert(QStringLiteral("value"), reg.value);
        list.append(item);
    }
    return list;
}

Report signalsReport(DALIoPinDef &pins, DALIoRegisterDef &addresses, QString const &pin,
                     QString const &function, QStringList const &entries)
{
    Report list = Report::list();
    for (const QString &entry : entries) {
        // Radio signal entries carry ",<IOCFG value>" after the name.
        const QString name = function == QLatin1String("Radio") && entry.contains(QLatin1Char(','))
                                 ? entry.section(QLatin1Char(','), 0, -2) : entry;
        list.append(Report::object()
                        .insert(QStringLiteral("name"), name)
                        .insert(QStringLiteral("registers"),
                                registersReport(pins, addresses, pin, function, name)));
    }
    return list;
}

int runIo(CommandContext &context, Report &report)
{
    if (context.arguments.size() != 1)
        return usageError(context, QStringLiteral("io takes one device name"));

    const QString device = context.arguments.first();
    report.insert(QStringLiteral("device"), device);
    QDomDocument definitionDocument;
    QDomDocument pinDocument;
    QDomDocument registerDocument;
    if (!loadDeviceDocument(QStringLiteral("device_definition.xml"), device, &definitionDocument)
        || !loadDeviceDocument(QStringLiteral("io_pins.xml"), device, &pinDocument)
        || !loadDeviceDocument(QStringLiteral("io_registers.xml"), device, &registerDocument))
        return ExitFailure;

    DALDeviceDef definition(&definitionDocument);
    DALIoPinDef pins(&pinDocument);
    DALIoRegisterDef addresses(&registerDocument);

    // The pin definitions cannot be enumerated: the packages name the pins.
    QStringList pinNames;
    Report packages = Report::list();
    for (const DALDeviceDef::Package &package : definition.getDeviceDefinition()->packages) {
        Report names = Report::list();
        for (const QString &pin : package.ioPins) {
            names.append(pin);
            if (!pinNames.contains(pin))
                pinNames.append(pin);
        }
        packages.append(Report::object()
                            .insert(QStringLiteral("name"), package.name)
                            .insert(QStringLiteral("ioPins"), names));
    }
    report.insert(QStringLiteral("packages"), packages);

    Report pinList = Report::list();
    for (const QString &pin : pinNames) {
        QStringList functions;
        Report item = Report::object();
        item.insert(QStringLiteral("name"), pin);
        if (pins.getControlFunctions(pin, QString(), &functions) != 0) {
            DALCommon::setError(5, QStringLiteral("No IO pin definition for %1").arg(pin));
            pinList.append(item);
            continue;
        }
        Report functionList = Report::list();
        for (const QString &function : functions) {
            QStringList entries;
            if (function == QLatin1String("Input/Output"))
                pins.getGpioSignals(pin, QString(), &entries);
            else if (function == QLatin1String("Radio"))
                pins.getRadioSignals(pin, QString(), &entries);
            Report functionItem = Report::object();
            functionItem.insert(QStringLiteral("name"), function);
            if (!entries.isEmpty()) {
                functionItem.insert(QStringLiteral("signals"),
                                    signalsReport(pins, addresses, pin, function, entries));
            }
            functionList.append(functionItem);
        }
        item.insert(QStringLiteral("controlFunctions"), functionList);
        pinList.append(item);
    }
    report.insert(QStringLiteral("ioPins"), pinList);

    Report registers = Report::list();
    for (const DALIoRegisterDef::IoRegister &reg : *addresses.getIoRegisterDefinition())
        registers.append(Report::object()
                             .insert(QStringLiteral("name"), reg.name)
                             .insert(QStringLiteral("address"), hexAddress(reg.address)));
    report.insert(QStringLiteral("ioRegisters"), registers);
    return DALCommon::getErrorList().isEmpty() ? ExitOk : ExitFailure;
}

const CommandRegistration registration({
    QStringLiteral("io"),
    QStringLiteral("DEVICE"),
    QStringLiteral("Packages, IO pins with functions, signals and registers, IO register addresses."),
    {},
    runIo,
    QStringLiteral(
        "Reads the device's device_definition.xml, io_pins.xml and io_registers.xml (found "
        "through its device_config.xml) and lists the packages with their pins, every pin with "
        "its control functions, signals and register settings after inheritance, and the "
        "addresses of the IO registers."
        "\n\n"
        "  dal-inspect io VO4725"),
});

} // namespace
