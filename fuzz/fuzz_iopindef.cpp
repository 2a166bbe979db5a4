// io_pins.xml as the host parses it, handed to DALIoPinDef and queried for
// every pin, function and signal name it mentions.
#include "fuzztree.h"

#include "DALIoPinDef.h"

#include <QDomDocument>

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    FuzzTree::reset();
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    QDomDocument document;
    const std::unique_ptr<DALIoPinDef> parsed = FuzzTree::copyOfParsed<DALIoPinDef>(content, &document);
    if (!parsed)
        return 0;
    DALIoPinDef &copy = *parsed;
    document.clear(); // the pins must not refer to the document any more

    int total = copy.getStatus();
    const QStringList names = FuzzTree::names(content, 12);
    for (const QString &pin : names) {
        QStringList functions;
        QStringList gpio;
        QStringList radio;
        total += copy.getControlFunctions(pin, QString(), &functions) + copy.getGpioSignals(pin, QString(), &gpio)
                 + copy.getRadioSignals(pin, QString(), &radio);
        for (const QString &function : functions + names.mid(0, 4)) {
            for (const QString &signal : gpio + radio + names.mid(0, 4)) {
                QList<DALIoPinDef::Register> registers;
                total += copy.getRegisters(pin, QString(), function, signal, &registers);
                for (const DALIoPinDef::Register &entry : registers)
                    total += FuzzTree::consume(entry.name) + FuzzTree::consume(entry.mask);
            }
        }
    }
    return total == -12345 ? 1 : 0;
}
