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
#include "elementtree_p.h"
#include "paread_p.h"

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

// Reads one file's designs and default table and keeps them under the
// file's name; nothing of a file that fails is kept.
template <typename Document>
int storeTables(QMap<QString, DALPaSettingsDef::PaSettings *> &files, DALPaRead::Context const &context,
                Document const &document, QString const &fileName)
{
    std::unique_ptr<DALPaSettingsDef::PaSettings> settings(new DALPaSettingsDef::PaSettings);
    const int status = DALPaRead::paSettings(context, document, settings.get());
    if (status != 0)
        return status;
    // Two names that differ only in case share a key: the later file wins.
    const QString key = fileName.toLower();
    delete files.take(key);
    files.insert(key, settings.release());
    return 0;
}

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
    QSet<QString> strings; // shared by the records of every file
    for (const QString &name : files) {
        DALElementTree document;
        document.shareStrings(&strings);
        const int opened = DALDeviceFile::openTree(dir, name, &document);
        if (opened != 0)
            return opened;
        DocumentRead reading(document);
        m_currentFile = name;
        int status = storeTables(m_paSettings, {m_deviceName, m_currentFile, m_cmdSettings != nullptr},
                                 document.document(), name);
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
    return storeTables(m_paSettings, {m_deviceName, m_currentFile, m_cmdSettings != nullptr}, *document, fileName);
}

int DALPaSettingsDef::createRfDesign(QDomElement &element, PaSettings *paSettings)
{
    return DALPaRead::rfDesign({m_deviceName, m_currentFile, m_cmdSettings != nullptr}, element, paSettings);
}

int DALPaSettingsDef::createFrequencyRange(QDomElement &element, RfDesign *rfDesign)
{
    return DALPaRead::frequencyRange({m_deviceName, m_currentFile, m_cmdSettings != nullptr}, element, rfDesign);
}

int DALPaSettingsDef::createPaSettingTable(QDomElement &element, PaSettingTable &table)
{
    return DALPaRead::paSettingTable({m_deviceName, m_currentFile, m_cmdSettings != nullptr}, element, table);
}

int DALPaSettingsDef::createPaSetting(QDomElement &element, PaSettingTable &table)
{
    return DALPaRead::paSetting({m_deviceName, m_currentFile, m_cmdSettings != nullptr}, element, table);
}

int DALPaSettingsDef::createOptionList(const QDomNodeList &optionElements, PaSetting *entry)
{
    return DALOptionList::read(optionElements, &entry->options,
                               QObject::tr("The \"name\" attribute is missing for a PaSetting Option!"),
                               QObject::tr("The value is missing for the PaSetting Option \"%1\"!"));
}
