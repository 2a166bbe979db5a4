#ifndef DAL_PAREAD_P_H
#define DAL_PAREAD_P_H

// The reader of PA settings files: RF designs with their frequency ranges,
// PA tables and levels, and the default table, into records. Written once
// for both kinds of document the readers walk (see commandread_p.h).
// Internal to the library.

#include "DALPaSettingsDef.h"

#include "commandread_p.h"
#include "optionlist_p.h"

#include <QObject>

namespace DALPaRead {

using PaSetting = DALPaSettingsDef::PaSetting;
using PaSettingTable = DALPaSettingsDef::PaSettingTable;
using FrequencyRange = DALPaSettingsDef::FrequencyRange;
using RfDesign = DALPaSettingsDef::RfDesign;
using PaSettings = DALPaSettingsDef::PaSettings;

// What the reading steps report with: the device, the file being read, and
// whether the reader was given command settings (it needs them for levels).
struct Context
{
    QString const &device;
    QString const &file;
    bool haveCommands;
};

template <typename Element>
int paSetting(Context const &context, Element const &element, PaSettingTable &table)
{
    PaSetting entry;
    if (!element.hasAttribute(QStringLiteral("text"))) {
        return DALReport::fail(DALErrorCode::FileOpenFailed,
                               QStringLiteral("XML name attribute missing in pasettings definition file. Device: %1")
                                   .arg(context.device),
                               element);
    }
    entry.text = element.attribute(QStringLiteral("text"));

    if (!context.haveCommands) {
        DALReport::message(QStringLiteral("DALPaSettingsDef: Null pointer"), element);
        return -1;
    }
    int status = DALCommandRead::readCommands(DALDom::elements(element, QStringLiteral("Command")), context.file,
                                              &entry.commands);
    if (status != 0)
        return status;

    bool ok = false;
    const QString valueText = DALDom::textOf(element, QStringLiteral("Value"));
    entry.value = static_cast<unsigned short>(valueText.toUInt(&ok, 16));
    if (!ok) {
        return DALReport::fail(DALErrorCode::ConfigurationError,
                               QStringLiteral("Incorrect PA setting value: %1, Current File: %2, Device: %3")
                                   .arg(valueText, context.file, context.device),
                               DALReport::within(element, QStringLiteral("Value")));
    }

    const QString highPaText = DALDom::textOf(element, QStringLiteral("TxHighPa"));
    if (!highPaText.isEmpty()) {
        entry.txHighPa = highPaText.toUInt(&ok, 16);
        if (!ok) {
            return DALReport::fail(DALErrorCode::ConfigurationError,
                                   QStringLiteral("Incorrect TxHighPa setting value: %1, Current File: %2, Device: %3")
                                       .arg(highPaText, context.file, context.device),
                                   DALReport::within(element, QStringLiteral("TxHighPa")));
        }
    } else {
        entry.txHighPa = 0xFFFFFFFFu;
    }

    const auto options = DALDom::elements(element, QStringLiteral("Option"));
    if (options.count() > 0) {
        status = DALOptionList::read(options, &entry.options,
                                     QObject::tr("The \"name\" attribute is missing for a PaSetting Option!"),
                                     QObject::tr("The value is missing for the PaSetting Option \"%1\"!"));
        if (status != 0)
            return status;
    }
    table.paSettings.append(entry);
    return 0;
}

template <typename Element>
int paSettingTable(Context const &context, Element const &element, PaSettingTable &table)
{
    const auto entries = DALDom::elements(element, QStringLiteral("PaSetting"));
    for (int i = 0; i < entries.count(); ++i) {
        const int status = paSetting(context, DALDom::itemAt(entries, i).toElement(), table);
        if (status != 0)
            return status;
    }
    return 0;
}

template <typename Element>
int frequencyRange(Context const &context, Element const &element, RfDesign *rfDesign)
{
    FrequencyRange range;
    bool failed = false;
    bool ok = false;
    const QString minText = DALDom::textOf(element, QStringLiteral("Min"));
    range.min = static_cast<unsigned short>(minText.toUInt(&ok, 10));
    if (!ok) {
        DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid Min frequency: %1").arg(minText),
                         DALReport::within(element, QStringLiteral("Min")));
        failed = true;
    }
    const QString maxText = DALDom::textOf(element, QStringLiteral("Max"));
    range.max = static_cast<unsigned short>(maxText.toUInt(&ok, 10));
    if (!ok) {
        DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid Max frequency: %1").arg(maxText),
                         DALReport::within(element, QStringLiteral("Max")));
        failed = true;
    }
    if (failed)
        return -1;

    const auto table = DALDom::firstElementByTagName(element, QStringLiteral("PaSettingTable"));
    if (!table.isNull()) {
        const int status = paSettingTable(context, table, range.paSettingTable);
        if (status != 0)
            return status;
    }
    rfDesign->frequencyRanges.append(range);
    return 0;
}

template <typename Element>
int rfDesign(Context const &context, Element const &element, PaSettings *paSettings)
{
    RfDesign design;
    design.name = element.attribute(QStringLiteral("name"));
    const auto ranges = DALDom::elements(element, QStringLiteral("FrequencyRange"));
    for (int i = 0; i < ranges.count(); ++i) {
        if (frequencyRange(context, DALDom::itemAt(ranges, i).toElement(), &design) == -1)
            return -1;
    }
    paSettings->rfDesigns.append(design);
    return 0;
}

// The designs and the default table of one file.
template <typename Document>
int paSettings(Context const &context, Document const &document, PaSettings *settings)
{
    const auto designs = DALDom::elements(document, QStringLiteral("RfDesign"));
    for (int i = 0; i < designs.count(); ++i) {
        if (rfDesign(context, DALDom::itemAt(designs, i).toElement(), settings) == -1)
            return -1;
    }
    const auto defaultTable = DALDom::firstElementByTagName(document, QStringLiteral("DefaultPaTable"));
    if (defaultTable.isNull()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed,
                               QStringLiteral("Default PA table missing: %1").arg(context.file));
    }
    return paSettingTable(context, defaultTable, settings->defaultPaTable);
}

} // namespace DALPaRead

#endif // DAL_PAREAD_P_H
