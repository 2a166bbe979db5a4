#include "DALRfCmdSettings.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "commandcopy_p.h"
#include "commandread_p.h"
#include "documentcopy_p.h"
#include "devicefile_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "elementtree_p.h"
#include "readscope_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomNodeList>
#include <QHash>

#include <memory>

using DALDom::hasChildElement;
using DALDom::itemAt;

namespace {

const QString kDocName = QStringLiteral("RfCommandSettings");

// A setting file that was read without failure, as it was read.
struct CachedSetting
{
    DALRfCmdSettings::CmdSetting record;
    bool hadSettingElement = false;
};

// State of one construction: the directory every file is read from, and the
// files read so far without failure, keyed by the path that was opened. A
// successful read records no message and leaves the library status at 0, so
// handing out the cached content is indistinguishable from reading again.
struct ReadContext
{
    QString directory;
    QHash<QString, QList<DALRfCmdSettings::Command>> tfCommands;
    QHash<QString, CachedSetting> settings;
    QSet<QString> strings; // shared by the records of every file
};
using ContextScope = ReadScope<ReadContext>;

QString settingsDirectory(QString const &device)
{
    if (const ReadContext *context = ContextScope::current())
        return context->directory;
    return DALDeviceConfig::getPath(DALCommandRead::kCategoriesFile, device, QString(), QString());
}

QString cacheKey(QString const &directory, QString const &fileName)
{
    return (directory + QLatin1Char('/') + fileName).toLower();
}

// The library status that a successful open leaves behind.
void replaySuccessfulRead()
{
    DALCommon::setError(0, QString());
}

} // namespace

DALRfCmdSettings::DALRfCmdSettings(QString &deviceName)
    : m_deviceName(deviceName)
    , m_document(nullptr)
    , m_status(0)
{
    QString directory;
    m_status = DALDeviceFile::openForDevice(DALCommandRead::kCategoriesFile, m_deviceName, kDocName, &m_document, &directory);
    if (m_status != 0)
        return;
    ReadContext context{directory, {}, {}, {}};
    ContextScope scope(context);
    DocumentRead reading(*m_document);
    m_status = createRfCmdSettings();
    if (reading.exhausted()) {
        m_rfCategories = RfCategories();
        m_status = 2;
    }
    DALDocumentCopy::release(&m_document);
}

DALRfCmdSettings::DALRfCmdSettings(const DALRfCmdSettings &other)
    : m_deviceName(other.m_deviceName)
    , m_document(DALDocumentCopy::duplicate(other.m_document))
    , m_status(other.m_status)
    , m_rfCategories(DALRecordCopy::deepCopy(other.m_rfCategories))
{
}

DALRfCmdSettings &DALRfCmdSettings::operator=(const DALRfCmdSettings &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_deviceName = other.m_deviceName;
        m_status = other.m_status;
        m_rfCategories = DALRecordCopy::deepCopy(other.m_rfCategories);
    }
    return *this;
}

DALRfCmdSettings::~DALRfCmdSettings()
{
    delete m_document;
}

int DALRfCmdSettings::getStatus()
{
    return m_status;
}

DALRfCmdSettings::RfCategories &DALRfCmdSettings::getRfCategories()
{
    return m_rfCategories;
}

bool DALRfCmdSettings::containsOverrides(const Command *command)
{
    return command && !command->overrideField.name.isEmpty()
           && !command->overrideField.blocks.isEmpty();
}

int DALRfCmdSettings::createRfCmdSettings()
{
    const QDomElement defaults = DALDom::firstElementByTagName(*m_document, QStringLiteral("Default"));
    if (defaults.isNull()) {
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Default category and setting missing in %1").arg(DALCommandRead::kCategoriesFile));
    }
    m_rfCategories.defCategory = DALDom::text(defaults.firstChildElement(QStringLiteral("DefCategory")));
    m_rfCategories.defSetting = DALDom::text(defaults.firstChildElement(QStringLiteral("DefSetting")));

    const QString settingTag = QStringLiteral("Setting");
    const QDomNodeList categories = DALDom::elements(*m_document, QStringLiteral("Category"));
    for (int i = 0; i < categories.count(); ++i) {
        const QDomElement element = itemAt(categories, i).toElement();
        RfCategory category;
        initRfCategory(&category);
        category.name = DALDom::text(element.firstChildElement(QStringLiteral("Name")));
        category.description = DALDom::text(element.firstChildElement(QStringLiteral("Description")));
        for (QDomElement setting = element.firstChildElement(settingTag); !setting.isNull();
             setting = setting.nextSiblingElement(settingTag)) {
            const int status = getCmdSettings(DALDom::text(setting), setting.attribute(QStringLiteral("options")),
                                              &category.settings);
            if (status != 0)
                return status; // the category being read is dropped
        }
        m_rfCategories.categories.append(category);
    }
    return 0;
}

int DALRfCmdSettings::getCmdSettings(QString fileName, QString options, QList<CmdSetting> *settings)
{
    const QString directory = settingsDirectory(m_deviceName);
    const QString key = cacheKey(directory, fileName);
    ReadContext *context = ContextScope::current();
    if (context) {
        const auto cached = context->settings.constFind(key);
        if (cached != context->settings.constEnd()) {
            CmdSetting record = cached->record;
            if (cached->hadSettingElement) {
                record.fileName = fileName;
                record.options = options;
            }
            replaySuccessfulRead();
            settings->append(record);
            return 0;
        }
    }

    DALElementTree document;
    if (context)
        document.shareStrings(&context->strings);
    int status = DALDeviceFile::openTree(directory, fileName, &document);
    if (status != 0)
        return status;

    DocumentRead reading(document);
    CmdSetting record;
    initCmdSetting(&record);
    const QVector<DALTreeElement> elements = DALDom::elements(document.document(), QStringLiteral("setting"));
    for (int i = 0; i < elements.count(); ++i) {
        const DALTreeElement element = itemAt(elements, i);
        record.fileName = fileName;
        record.options = options;

        DALTreeElement child = element.firstChildElement(QStringLiteral("Description"));
        if (!child.isNull())
            record.description = DALDom::text(child);
        child = element.firstChildElement(QStringLiteral("Name"));
        if (!child.isNull())
            record.name = DALDom::text(child);
        child = element.firstChildElement(QStringLiteral("Frequency"));
        if (!child.isNull())
            record.frequency = DALDom::text(child);

        const DALTreeElement patch = element.firstChildElement(QStringLiteral("Patch"));
        if (!patch.isNull()) {
            record.patch.define = DALDom::text(patch.firstChildElement(QStringLiteral("Define")));
            record.patch.cpe = DALDom::text(patch.firstChildElement(QStringLiteral("Cpe")));
            record.patch.mce = DALDom::text(patch.firstChildElement(QStringLiteral("Mce")));
            record.patch.rfe = DALDom::text(patch.firstChildElement(QStringLiteral("Rfe")));
        }

        const DALTreeElement testFunc = element.firstChildElement(QStringLiteral("TestFunc"));
        if (!testFunc.isNull() && status == 0) {
            const struct {
                const char *tag;
                QList<Command> *commands;
            } functions[] = {
                {"ContTX", &record.contTx},
                {"ContRX", &record.contRx},
                {"PacketTX", &record.packetTx},
                {"PacketRX", &record.packetRx},
            };
            for (const auto &function : functions) {
                if (status != 0)
                    break;
                const DALTreeElement file = testFunc.firstChildElement(QLatin1String(function.tag));
                if (!file.isNull())
                    status = readTfCmdFile(DALDom::text(file), function.commands);
            }
        }

        if (status == 0 && hasChildElement(element, QStringLiteral("Command")))
            status = DALCommandRead::readCommands(DALDom::elements(element, QStringLiteral("Command")), fileName,
                                                  &record.commands);
    }

    if (reading.exhausted())
        status = 2;
    if (status == 0 && context)
        context->settings.insert(key, CachedSetting{record, elements.count() > 0});
    settings->append(record);
    return status;
}

int DALRfCmdSettings::readTfCmdFile(QString fileName, QList<Command> *commands)
{
    const QString directory = settingsDirectory(m_deviceName);
    const QString key = cacheKey(directory, fileName);
    ReadContext *context = ContextScope::current();
    if (context) {
        const auto cached = context->tfCommands.constFind(key);
        if (cached != context->tfCommands.constEnd()) {
            replaySuccessfulRead();
            commands->append(*cached);
            return 0;
        }
    }

    DALElementTree document;
    if (context)
        document.shareStrings(&context->strings);
    const int opened = DALDeviceFile::openTree(directory, fileName, &document);
    if (opened != 0)
        return opened;

    DocumentRead reading(document);
    QList<Command> read;
    int status = DALCommandRead::readCommands(DALDom::elements(document.document(), QStringLiteral("Command")),
                                              fileName, &read);
    if (reading.exhausted()) {
        read.clear();
        status = 2;
    }
    if (status == 0 && context)
        context->tfCommands.insert(key, read);
    commands->append(read);
    return status;
}

int DALRfCmdSettings::getPatches(QString, Patch *)
{
    return 0;
}

int DALRfCmdSettings::initCmdSetting(CmdSetting *setting)
{
    setting->fileName.clear();
    setting->name.clear();
    setting->description.clear();
    setting->patch = Patch();
    setting->writeCustoms.clear();
    setting->commands.clear();
    setting->contTx.clear();
    setting->contRx.clear();
    setting->packetTx.clear();
    setting->packetRx.clear();
    return 0;
}

int DALRfCmdSettings::initRfCategory(RfCategory *category)
{
    category->name.clear();
    category->description.clear();
    category->settings.clear();
    return 0;
}
