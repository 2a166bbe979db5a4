#ifndef DALIOPINDEF_H
#define DALIOPINDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;

// ControlFunction has a field named "signals", which Qt defines as a keyword
// macro once <QObject> has been included. The macro is saved and removed for
// the declarations below and restored at the end of this header, so the
// header compiles whatever was included before it. Code that reads the field
// in a translation unit where the macro is defined has to do the same
// (#pragma push_macro("signals"), #undef signals, ..., #pragma pop_macro).
#pragma push_macro("signals")
#undef signals

/**
 * The IO pins of a chip package: the functions each pin can take (its control
 * functions), the signals of each function and the register settings (name,
 * mask, value) of each signal. Read from a document that the host has parsed;
 * the document stays the host's and is not referred to after construction.
 *
 * A pin may name an earlier pin in its "inherits" attribute: it takes over
 * that pin's control functions and package and then adjusts them with its own
 * entries. A function of the child that the parent lacks is appended; a
 * function it shares is merged: a non-empty type replaces the parent's, and
 * each signal both have is merged register by register. A child register may
 * rename a parent register through translateName "old:new" and replace the
 * mask and value of the register of its own name; a child register with both
 * a mask and a value replaces the signal's register list from there on.
 * Inheritance looks backwards only. A failed inheritance or an invalid name
 * translation sets the status to -1 and ends the reading of pins.
 *
 * Lookups that miss answer with a shared record named "dummy"; a pin,
 * function or signal really named "dummy" is therefore taken as absent by the
 * queries. Inheritance finds its parent by plain name, so a pin may inherit
 * from an earlier pin named "dummy".
 *
 * The second QString argument of the queries is accepted for the host and
 * not consulted: a pin is found by its name alone.
 */
class DAL_EXPORT DALIoPinDef
{
public:
    /// One register setting of a signal.
    struct Register
    {
        QString name;          ///< The `name` attribute.
        QString translateName; ///< The `translateName` attribute: empty, or "old:new".
        QString mask;          ///< Text of the first `Mask` below the register.
        QString value;         ///< Text of the first `Value` below the register.
    };

    /// One signal of a control function.
    struct IoSignal
    {
        QString name;                            ///< The `name` attribute.
        QList<DALIoPinDef::Register> registers;  ///< Its register settings, after inheritance.
    };

    /// One function a pin can take ("Input/Output", "Radio", ...).
    struct ControlFunction
    {
        QString name;                          ///< The `name` attribute.
        QString type;                          ///< The `type` attribute.
        QList<DALIoPinDef::IoSignal> signals;  ///< Its signals, after inheritance.
    };

    /// One `IoPin` element.
    struct IoPin
    {
        QString name;         ///< The `name` attribute.
        QString package;      ///< The `package` attribute (the parent's for a pin that inherits).
        QString softwareName; ///< Text of the first `SoftwareName` below the pin.
        QList<DALIoPinDef::ControlFunction> controlFunctions; ///< Its functions, after inheritance.
    };

    /// Reads the pins of @p document, which stays the caller's; failures of inheritance set the status to -1.
    DALIoPinDef(QDomDocument *document);
    /// Copies the pins.
    DALIoPinDef(const DALIoPinDef &other);
    /// Assigns the pins.
    DALIoPinDef &operator=(const DALIoPinDef &other);
    /// Releases nothing but its own records.
    ~DALIoPinDef();

    /// 0 after a clean build, -1 after a failed inheritance or name translation.
    int getStatus();
    /// Replaces @p names with the pin's control functions; -1 (nothing recorded) for an unknown pin. The second argument is not used.
    int getControlFunctions(const QString &ioPinName, const QString &, QStringList *names);
    /// Replaces @p names with the signals of the pin's "Input/Output" function; -1 (nothing recorded) when either is missing.
    int getGpioSignals(const QString &ioPinName, const QString &, QStringList *names);
    /**
     * Replaces @p names with the signals of the pin's "Radio" function, each
     * followed by ",<value>" of its first register whose name contains
     * "IOCFG"; -1 (nothing recorded) when the pin or the function is missing.
     */
    int getRadioSignals(const QString &ioPinName, const QString &, QStringList *names);
    /**
     * Replaces @p registers with the registers of the signal; 0 on success.
     * A missing pin, control function or signal records "Failed to get I/O Pin
     * definition for I/O pin name: %1", "Failed to get Control function for
     * I/O pin name: %1" or "Failed to get I/O Signal for I/O pin name: %1"
     * (code 1) and returns -1, leaving @p registers as it was.
     */
    int getRegisters(const QString &ioPinName, const QString &, const QString &controlFunctionName,
                     const QString &signalName, QList<DALIoPinDef::Register> *registers);

private:
    void createIoPinElements(QDomDocument *document);
    void createControlFunctions(const QDomElement &element, QList<ControlFunction> *controlFunctions);
    void createIoSignals(const QDomElement &element, QList<IoSignal> *ioSignals);
    void createRegisters(const QDomElement &element, QList<Register> *registers);
    void copyIoPin(const QString &parentName, IoPin *ioPin);
    void mergeControlFunctions(const QList<ControlFunction> &own, IoPin *ioPin);
    void mergeControlFunction(const ControlFunction &own, ControlFunction *target);
    void mergeIoSignal(IoSignal own, IoSignal *target);
    void mergeRegister(const Register &own, Register *target);

    const IoPin &getIoPin(const QString &name) const;
    static const ControlFunction &getControlFunction(const QList<ControlFunction> &list,
                                                     const QString &name);
    static const IoSignal &getIoSignal(const QList<IoSignal> &list, const QString &name);
    // The signals of the pin's function, or null when either is missing.
    const QList<IoSignal> *getFunctionSignals(const QString &ioPinName,
                                              const QString &controlFunctionName) const;

    int m_status;
    QList<IoPin> m_ioPins;
};

#pragma pop_macro("signals")

#endif // DALIOPINDEF_H
