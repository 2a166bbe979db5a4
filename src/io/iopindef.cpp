#include "DALIoPinDef.h"

#include "DALCommon.h"
#include "report_p.h"

#include "documentread_p.h"
#include "domutil_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

// DALCommon.h brings in <QObject>, whose "signals" keyword macro would eat
// the field of that name; this file uses no Qt keywords.
#undef signals

namespace {

const QString kDummy = QStringLiteral("dummy");

// Index of the first record of list named name, or -1.
template <typename Record>
int indexOfName(const QList<Record> &list, const QString &name)
{
    for (int i = 0; i < list.size(); ++i) {
        if (list.at(i).name == name)
            return i;
    }
    return -1;
}

template <typename Record>
const Record &findOrDummy(const QList<Record> &list, const QString &name)
{
    static const Record dummy = [] {
        Record record{};
        record.name = QStringLiteral("dummy");
        return record;
    }();
    const int index = indexOfName(list, name);
    return index < 0 ? dummy : list.at(index);
}

template <typename Record>
QStringList namesOf(const QList<Record> &list)
{
    QStringList names;
    for (const Record &record : list)
        names.append(record.name);
    return names;
}

} // namespace

DALIoPinDef::DALIoPinDef(QDomDocument *document)
    : m_status(0)
{
    DocumentRead reading(document ? *document : QDomDocument(), QStringLiteral("IO pin definitions"));
    createIoPinElements(document);
    if (reading.exhausted()) {
        m_ioPins.clear();
        m_status = 2;
    }
}

DALIoPinDef::DALIoPinDef(const DALIoPinDef &other) = default;
DALIoPinDef &DALIoPinDef::operator=(const DALIoPinDef &other) = default;
DALIoPinDef::~DALIoPinDef() = default;

int DALIoPinDef::getStatus()
{
    return m_status;
}

int DALIoPinDef::getControlFunctions(const QString &ioPinName, const QString &, QStringList *names)
{
    if (names)
        names->clear();
    const IoPin &pin = getIoPin(ioPinName);
    if (pin.name == kDummy || !names)
        return -1;
    *names = namesOf(pin.controlFunctions);
    return 0;
}

int DALIoPinDef::getGpioSignals(const QString &ioPinName, const QString &, QStringList *names)
{
    if (names)
        names->clear();
    const QList<IoSignal> *ioSignals = getFunctionSignals(ioPinName, QStringLiteral("Input/Output"));
    if (!ioSignals || !names)
        return -1;
    *names = namesOf(*ioSignals);
    return 0;
}

int DALIoPinDef::getRadioSignals(const QString &ioPinName, const QString &, QStringList *names)
{
    if (names)
        names->clear();
    const QList<IoSignal> *ioSignals = getFunctionSignals(ioPinName, QStringLiteral("Radio"));
    if (!ioSignals || !names)
        return -1;
    for (const IoSignal &ioSignal : *ioSignals) {
        QString entry = ioSignal.name;
        for (const Register &reg : ioSignal.registers) {
            if (reg.name.contains(QLatin1String("IOCFG"))) {
                entry += QLatin1Char(',') + reg.value;
                break;
            }
        }
        names->append(entry);
    }
    return 0;
}

int DALIoPinDef::getRegisters(const QString &ioPinName, const QString &,
                              const QString &controlFunctionName, const QString &signalName,
                              QList<Register> *registers)
{
    const IoPin &pin = getIoPin(ioPinName);
    if (pin.name == kDummy) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Failed to get I/O Pin definition for I/O pin name: %1")
                                   .arg(ioPinName));
    }
    const ControlFunction &function = getControlFunction(pin.controlFunctions, controlFunctionName);
    if (function.name == kDummy) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Failed to get Control function for I/O pin name: %1")
                                   .arg(ioPinName));
    }
    const IoSignal &ioSignal = getIoSignal(function.signals, signalName);
    if (ioSignal.name == kDummy) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Failed to get I/O Signal for I/O pin name: %1")
                                   .arg(ioPinName));
    }
    if (registers)
        *registers = ioSignal.registers;
    return 0;
}

void DALIoPinDef::createIoPinElements(QDomDocument *document)
{
    m_ioPins.clear();
    if (!document)
        return;
    const QDomNodeList pins = DALDom::elements(*document, QStringLiteral("IoPin"));
    for (int i = 0; i < pins.count() && m_status != -1; ++i) {
        QDomElement element = pins.item(i).toElement();
        IoPin pin;
        pin.name = element.attribute(QStringLiteral("name"));
        pin.package = element.attribute(QStringLiteral("package"));
        pin.softwareName = DALCommon::getTextFromTagName(QStringLiteral("SoftwareName"), &element);
        const QString parent = element.attribute(QStringLiteral("inherits"));
        if (parent.isEmpty()) {
            createControlFunctions(element, &pin.controlFunctions);
        } else {
            copyIoPin(parent, &pin);
            QList<ControlFunction> own;
            createControlFunctions(element, &own);
            mergeControlFunctions(own, &pin);
        }
        m_ioPins.append(pin);
    }
}

void DALIoPinDef::createControlFunctions(const QDomElement &element,
                                         QList<ControlFunction> *controlFunctions)
{
    const QDomNodeList nodes = DALDom::elements(element, QStringLiteral("ControlFunction"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement child = nodes.item(i).toElement();
        ControlFunction function;
        function.name = child.attribute(QStringLiteral("name"));
        function.type = child.attribute(QStringLiteral("type"));
        createIoSignals(child, &function.signals);
        controlFunctions->append(function);
    }
}

void DALIoPinDef::createIoSignals(const QDomElement &element, QList<IoSignal> *ioSignals)
{
    const QDomNodeList nodes = DALDom::elements(element, QStringLiteral("Signal"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomElement child = nodes.item(i).toElement();
        IoSignal ioSignal;
        ioSignal.name = child.attribute(QStringLiteral("name"));
        createRegisters(child, &ioSignal.registers);
        ioSignals->append(ioSignal);
    }
}

void DALIoPinDef::createRegisters(const QDomElement &element, QList<Register> *registers)
{
    const QDomNodeList nodes = DALDom::elements(element, QStringLiteral("Register"));
    for (int i = 0; i < nodes.count(); ++i) {
        QDomElement child = nodes.item(i).toElement();
        Register reg;
        reg.name = child.attribute(QStringLiteral("name"));
        reg.translateName = child.attribute(QStringLiteral("translateName"));
        reg.mask = DALCommon::getTextFromTagName(QStringLiteral("Mask"), &child);
        reg.value = DALCommon::getTextFromTagName(QStringLiteral("Value"), &child);
        registers->append(reg);
    }
}

void DALIoPinDef::copyIoPin(const QString &parentName, IoPin *ioPin)
{
    // Only pins read so far are candidates: inheritance looks backwards.
    const int index = indexOfName(m_ioPins, parentName);
    if (index < 0) {
        m_status = -1;
        DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Value of I/O pin to Inherit from not found! %1")
                                   .arg(parentName));
        return;
    }
    ioPin->controlFunctions = m_ioPins.at(index).controlFunctions;
    ioPin->package = m_ioPins.at(index).package;
}

void DALIoPinDef::mergeControlFunctions(const QList<ControlFunction> &own, IoPin *ioPin)
{
    for (const ControlFunction &function : own) {
        const int index = indexOfName(ioPin->controlFunctions, function.name);
        if (index < 0)
            ioPin->controlFunctions.append(function);
        else
            mergeControlFunction(function, &ioPin->controlFunctions[index]);
        if (m_status == -1)
            return;
    }
}

void DALIoPinDef::mergeControlFunction(const ControlFunction &own, ControlFunction *target)
{
    if (!own.type.isEmpty())
        target->type = own.type;
    // Signals the parent lacks are not added.
    for (const IoSignal &ownSignal : own.signals) {
        for (IoSignal &targetSignal : target->signals) {
            if (targetSignal.name != ownSignal.name)
                continue;
            mergeIoSignal(ownSignal, &targetSignal);
            if (m_status == -1)
                break;
        }
    }
}

void DALIoPinDef::mergeIoSignal(IoSignal own, IoSignal *target)
{
    bool replaced = false;
    for (const Register &ownRegister : qAsConst(own.registers)) {
        if (replaced) {
            target->registers.append(ownRegister);
        } else if (!ownRegister.mask.isEmpty() && !ownRegister.value.isEmpty()) {
            // A complete register starts the signal's list afresh.
            target->registers.clear();
            target->registers.append(ownRegister);
            replaced = true;
        } else {
            for (Register &targetRegister : target->registers) {
                mergeRegister(ownRegister, &targetRegister);
                if (m_status == -1)
                    break;
            }
        }
    }
}

void DALIoPinDef::mergeRegister(const Register &own, Register *target)
{
    if (!own.translateName.isEmpty()) {
        const QStringList names = own.translateName.split(QLatin1Char(':'), Qt::KeepEmptyParts);
        if (names.size() == 2) {
            if (target->name == names.at(0))
                target->name = names.at(1);
        } else {
            m_status = -1;
            DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value of name translation! %1")
                                       .arg(own.translateName));
        }
    }
    if (!own.mask.isEmpty() && own.name == target->name)
        target->mask = own.mask;
    if (!own.value.isEmpty() && own.name == target->name)
        target->value = own.value;
}

const DALIoPinDef::IoPin &DALIoPinDef::getIoPin(const QString &name) const
{
    return findOrDummy(m_ioPins, name);
}

const DALIoPinDef::ControlFunction &DALIoPinDef::getControlFunction(
    const QList<ControlFunction> &list, const QString &name)
{
    return findOrDummy(list, name);
}

const DALIoPinDef::IoSignal &DALIoPinDef::getIoSignal(const QList<IoSignal> &list,
                                                      const QString &name)
{
    return findOrDummy(list, name);
}

const QList<DALIoPinDef::IoSignal> *DALIoPinDef::getFunctionSignals(
    const QString &ioPinName, const QString &controlFunctionName) const
{
    const IoPin &pin = getIoPin(ioPinName);
    if (pin.name == kDummy)
        return nullptr;
    const ControlFunction &function = getControlFunction(pin.controlFunctions, controlFunctionName);
    if (function.name == kDummy)
        return nullptr;
    return &function.signals;
}
