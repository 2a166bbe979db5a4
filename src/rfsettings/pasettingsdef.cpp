#include "DALPaSettingsDef.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "attachedstate_p.h"
#include "devicefile_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "optionlist_p.h"
#include "report_p.h"
#include "nameindex_p.h"
#include "commandcopy_p.h"

#include <QDomDocument>
#include <QDomNodeList>
#include <QObject>

#include <memory>

using DALDom::itemAt;

const QString DALPaSettingsDef::m_paSettingsFilter = QStringLiteral("pasettings*.xml");

namespace {

QString fileMissing(QString const &fileName)
{
    return QObject::tr("File does not exists, filename: %1").arg(fileName);
}

// Per file of many designs, the designs by name. A file whose record the
// host has been given (getPaSettingsFile) may have been renamed or reordered
// through it, so it loses its index for good and is walked.
struct DesignLookup
{
    bool exposed = false;
    bool built = false;
    NameIndex designs;
};
using DesignLookups = AttachedState<DALPaSettingsDef::PaSettings, DesignLookup>;

// The index of a file of many designs that the host has not been given;
// null when the designs are to be walked.
const NameIndex *designIndex(const DALPaSettingsDef::PaSettings *settings)
{
    const int count = settings->rfDesigns.size();
    if (!NameIndex::worthIndexing(count))
        return nullptr;
    DesignLookup &lookup = DesignLookups::obtain(settings);
    if (lookup.exposed)
        return nullptr;
    if (!lookup.built) {
        lookup.designs.build(count, [settings](int i) { return settings->rfDesigns.at(i).name; });
        lookup.built = true;
    }
    return &lookup.designs;
}

} // namespace

static void detach(DALPaSettingsDef::PaSetting &setting)
{
    DALRecordCopy::detach(setting.commands);
    DALRecordCopy::detach(setting.options);
}

static void detach(DALPaSettingsDef::PaSettingTable &table)
{
    DALRecordCopy::detach(table.paSettings);
}

static void detach(DALPaSettingsDef::FrequencyRange &range)
{
    detach(range.paSettingTable);
}

static void detach(DALPaSettingsDef::RfDesign &design)
{
    DALRecordCopy::detach(design.frequencyRanges);
}

static void detach(DALPaSettingsDef::PaSettings &settings)
{
    DALRecordCopy::detach(settings.rfDesigns);
    detach(settings.defaultPaTable);
}

DALPaSettingsDef::DALPaSettingsDef(const QString &directory, const QString &deviceName,
                                   DALRfCmdSettings *cmdSettings, bool useDeviceConfig)
    : m_deviceName(deviceName)
    , m_cmdSettings(cmdSettings)
{
    createAllPaSettingTables(directory, useDeviceConfig);
}

DALPaSettingsDef::DALPaSettingsDef(const DALPaSettingsDef &other)
    : m_deviceName(other.m_deviceName)
    , m_currentFile(other.m_currentFile)
    , m_cmdSettings(other.m_cmdSettings)
{
    copyRecords(other);
}

DALPaSettingsDef &DALPaSettingsDef::operator=(const DALPaSettingsDef &other)
{
    if (this != &other) {
        releaseRecords();
        m_deviceName = other.m_deviceName;
        m_currentFile = other.m_currentFile;
        m_cmdSettings = other.m_cmdSettings;
        copyRecords(other);
    }
    return *this;
}

DALPaSettingsDef::~DALPaSettingsDef()
{
    releaseRecords();
}

void DALPaSettingsDef::copyRecords(const DALPaSettingsDef &other)
{
    for (auto it = other.m_paSettings.constBegin(); it != other.m_paSettings.constEnd(); ++it)
        m_paSettings.insert(it.key(), new PaSettings(DALRecordCopy::deepCopy(*it.value())));
}

void DALPaSettingsDef::releaseRecords()
{
    for (PaSettings *settings : qAsConst(m_paSettings))
        DesignLookups::drop(settings);
    qDeleteAll(m_paSettings);
    m_paSettings.clear();
}

DALPaSettingsDef::PaSettings *DALPaSettingsDef::getPaSettingsFile(const QString &fileName)
{
    PaSettings *settings = m_paSettings.value(fileName.toLower(), nullptr);
    if (!settings) {
        DALCommon::setError(DALErrorCode::ConfigurationError, fileMissing(fileName));
        return nullptr;
    }
    DesignLookup &lookup = DesignLookups::obtain(settings);
    lookup.exposed = true;
    lookup.designs = NameIndex();
    return settings;
}

DALPaSettingsDef::PaSettingTable *DALPaSettingsDef::getPaSettingTable(QString fileName, QString rfDesign,
                                                                      unsigned short frequency)
{
    PaSettings *settings = m_paSettings.value(fileName.toLower(), nullptr);
    if (!settings) {
        DALCommon::setError(DALErrorCode::ConfigurationError, fileMissing(fileName));
        return nullptr;
    }
    const QList<RfDesign> &designs = settings->rfDesigns;
    const int count = designs.size();
    const NameIndex *index = designIndex(settings);
    int position = index ? index->first(rfDesign) : 0;
    for (; position >= 0 && position < count; position = index ? index->next(position) : position + 1) {
        if (designs.at(position).name != rfDesign)
            continue;
        const QList<FrequencyRange> &ranges = designs.at(position).frequencyRanges;
        for (int i = 0; i < ranges.size(); ++i) {
            if (ranges.at(i).min <= frequency && frequency <= ranges.at(i).max)
                return &settings->rfDesigns[position].frequencyRanges[i].paSettingTable;
        }
    }
    return &settings->defaultPaTable;
}

QList<DALRfCmdSettings::Command> DALPaSettingsDef::getPaSettingCommands(PaSettingTable *table, QString &text)
{
    if (table) {
        for (const PaSetting &entry : qAsConst(table->paSettings)) {
            if (entry.text == text)
                return entry.commands;
        }
    }
    return QList<DALRfCmdSettings::Command>();
}

void DALPaSettingsDef::setCmdSettingsPointer(DALRfCmdSettings *cmdSettings)
{
    m_cmdSettings = cmdSettings;
}

int DALPaSettingsDef::createAllPaSettingTables(const QString &directory, bool useDeviceConfig)
{
    const QString dir = useDeviceConfig
                            ? DALDeviceConfig::getPath(QStringLiteral("pasettings.xml"), m_deviceName, QString(), QString())
                            : directory;
    if (dir.isEmpty())
        return 0;

    const QStringList files = DALDeviceFile::matchingFiles(dir, m_paSettingsFilter);
    for (const QString &name : files) {
        QDomDocument *loaded = nullptr;
        const int opened = DALDeviceFile::open(dir, name, QStringLiteral("pasettings"), &loaded);
        std::unique_ptr<QDomDocument> document(loaded);
        if (opened != 0)
            return opened;
        DocumentRead reading(*document);
        int status = createPaSettingTables(name, document.get());
        if (reading.exhausted()) {
            DesignLookups::drop(m_paSettings.value(name.toLower()));
            delete m_paSettings.take(name.toLower());
            status = 2;
        }
        if (status != 0)
            return status;
    }
    return 0;
}

int DALPaSettingsDef::createPaSettingTables(QString fileName, QDomDocument *document)
{
    m_currentFile = fileName;
    std::unique_ptr<PaSettings> settings(new PaSettings);

    const QDomNodeList designs = DALDom::elements(*document, QStringLiteral("RfDesign"));
    for (int i = 0; i < designs.count(); ++i) {
        QDomElement element = itemAt(designs, i).toElement();
        if (createRfDesign(element, settings.get()) == -1)
            return -1;
    }

    QDomElement defaultTable = DALDom::firstElementByTagName(*document, QStringLiteral("DefaultPaTable"));
    if (defaultTable.isNull()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Default PA table missing: %1").arg(fileName));
    }
    const int status = createPaSettingTable(defaultTable, settings->defaultPaTable);
    if (status != 0)
        return status;

    // Two names that differ only in case share a key: the later file wins.
    const QString key = fileName.toLower();
    delete m_paSettings.take(key);
    m_paSettings.insert(key, settings.release());
    return 0;
}

int DALPaSettingsDef::createRfDesign(QDomElement &element, PaSettings *paSettings)
{
    RfDesign design;
    design.name = element.attribute(QStringLiteral("name"));
    const QDomNodeList ranges = DALDom::elements(element, QStringLiteral("FrequencyRange"));
    for (int i = 0; i < ranges.count(); ++i) {
        QDomElement range = itemAt(ranges, i).toElement();
        if (createFrequencyRange(range, &design) == -1)
            return -1;
    }
    paSettings->rfDesigns.append(design);
    return 0;
}

int DALPaSettingsDef::createFrequencyRange(QDomElement &element, RfDesign *rfDesign)
{
    FrequencyRange range;
    bool failed = false;
    bool ok = false;
    const QString minText = DALCommon::getTextFromTagName(QStringLiteral("Min"), &element);
    range.min = static_cast<unsigned short>(minText.toUInt(&ok, 10));
    if (!ok) {
        DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid Min frequency: %1").arg(minText),
                         DALReport::within(element, QStringLiteral("Min")));
        failed = true;
    }
    const QString maxText = DALCommon::getTextFromTagName(QStringLiteral("Max"), &element);
    range.max = static_cast<unsigned short>(maxText.toUInt(&ok, 10));
    if (!ok) {
        DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid Max frequency: %1").arg(maxText),
                         DALReport::within(element, QStringLiteral("Max")));
        failed = true;
    }
    if (failed)
        return -1;

    QDomElement table = DALDom::firstElementByTagName(element, QStringLiteral("PaSettingTable"));
    if (!table.isNull()) {
        const int status = createPaSettingTable(table, range.paSettingTable);
        if (status != 0)
            return status;
    }
    rfDesign->frequencyRanges.append(range);
    return 0;
}

int DALPaSettingsDef::createPaSettingTable(QDomElement &element, PaSettingTable &table)
{
    const QDomNodeList entries = DALDom::elements(element, QStringLiteral("PaSetting"));
    for (int i = 0; i < entries.count(); ++i) {
        QDomElement entry = itemAt(entries, i).toElement();
        const int status = createPaSetting(entry, table);
        if (status != 0)
            return status;
    }
    return 0;
}

int DALPaSettingsDef::createPaSetting(QDomElement &element, PaSettingTable &table)
{
    PaSetting entry;
    if (!element.hasAttribute(QStringLiteral("text"))) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("XML name attribute missing in pasettings definition file. Device: %1")
                                .arg(m_deviceName),
                         element);
    }
    entry.text = element.attribute(QStringLiteral("text"));

    if (!m_cmdSettings) {
        DALReport::message(QStringLiteral("DALPaSettingsDef: Null pointer"), element);
        return -1;
    }
    int status = m_cmdSettings->getCommands(DALDom::elements(element, QStringLiteral("Command")), m_currentFile,
                                            &entry.commands);
    if (status != 0)
        return status;

    bool ok = false;
    const QString valueText = DALCommon::getTextFromTagName(QStringLiteral("Value"), &element);
    entry.value = static_cast<unsigned short>(valueText.toUInt(&ok, 16));
    if (!ok) {
        return DALReport::fail(DALErrorCode::ConfigurationError, QStringLiteral("Incorrect PA setting value: %1, Current File: %2, Device: %3")
                                .arg(valueText, m_currentFile, m_deviceName),
                         DALReport::within(element, QStringLiteral("Value")));
    }

    const QString highPaText = DALCommon::getTextFromTagName(QStringLiteral("TxHighPa"), &element);
    if (!highPaText.isEmpty()) {
        entry.txHighPa = highPaText.toUInt(&ok, 16);
        if (!ok) {
            return DALReport::fail(DALErrorCode::ConfigurationError, QStringLiteral("Incorrect TxHighPa setting value: %1, Current File: %2, Device: %3")
                                    .arg(highPaText, m_currentFile, m_deviceName),
                             DALReport::within(element, QStringLiteral("TxHighPa")));
        }
    } else {
        entry.txHighPa = 0xFFFFFFFFu;
    }

    const QDomNodeList options = DALDom::elements(element, QStringLiteral("Option"));
    if (options.count() > 0) {
        status = createOptionList(options, &entry);
        if (status != 0)
            return status;
    }
    table.paSettings.append(entry);
    return 0;
}

int DALPaSettingsDef::createOptionList(const QDomNodeList &optionElements, PaSetting *entry)
{
    return DALOptionList::read(optionElements, &entry->options,
                               QObject::tr("The \"name\" attribute is missing for a PaSetting Option!"),
                               QObject::tr("The value is missing for the PaSetting Option \"%1\"!"));
}
