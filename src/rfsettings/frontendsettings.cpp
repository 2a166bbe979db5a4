#include "DALRfFrontEndSettings.h"

#include "DALCommon.h"
#include "documentcopy_p.h"
#include "devicefile_p.h"
#include "commandcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>
#include <QDomNodeList>

using DALDom::itemAt;

const QString DALRfFrontEndSettings::m_fileNameFrontEndSettings = QStringLiteral("frontend_settings.xml");

// The host changes the records through getFrontEnd(): copies get records and
// containers of their own, so that its pointers never move.
static void detach(DALRfFrontEndSettings::FrequencyRange &range)
{
    DALRecordCopy::detach(range.commands);
}

static void detach(DALRfFrontEndSettings::FrontEnd &frontEnd)
{
    DALRecordCopy::detach(frontEnd.frequencyRanges);
}

DALRfFrontEndSettings::DALRfFrontEndSettings(const QString &deviceName, DALRfCmdSettings *cmdSettings)
    : m_deviceName(deviceName)
    , m_document(nullptr)
    , m_status(0)
    , m_cmdSettings(cmdSettings)
{
    m_status = DALDeviceFile::openForDevice(m_fileNameFrontEndSettings, m_deviceName, QStringLiteral("FrontEndSettings"),
                                            &m_document);
    if (m_status == 0) {
        DocumentRead reading(*m_document);
        m_status = createFrontEnds();
        if (reading.exhausted()) {
            release();
            m_status = 2;
        }
        DALDocumentCopy::release(&m_document);
    }
}

DALRfFrontEndSettings::DALRfFrontEndSettings(const DALRfFrontEndSettings &other)
    : m_document(nullptr)
{
    copyFrom(other);
}

DALRfFrontEndSettings &DALRfFrontEndSettings::operator=(const DALRfFrontEndSettings &other)
{
    if (this != &other) {
        release();
        copyFrom(other);
    }
    return *this;
}

DALRfFrontEndSettings::~DALRfFrontEndSettings()
{
    release();
}

void DALRfFrontEndSettings::copyFrom(const DALRfFrontEndSettings &other)
{
    m_deviceName = other.m_deviceName;
    // A new handle onto the same implicitly shared tree.
    m_document = DALDocumentCopy::duplicate(other.m_document);
    m_status = other.m_status;
    m_cmdSettings = other.m_cmdSettings;
    for (auto it = other.m_frontEnds.constBegin(); it != other.m_frontEnds.constEnd(); ++it)
        m_frontEnds.insert(it.key(), new FrontEnd(DALRecordCopy::deepCopy(*it.value())));
}

void DALRfFrontEndSettings::release()
{
    qDeleteAll(m_frontEnds);
    m_frontEnds.clear();
    delete m_document;
    m_document = nullptr;
}

int DALRfFrontEndSettings::getStatus()
{
    return m_status;
}

DALRfFrontEndSettings::FrontEnd *DALRfFrontEndSettings::getFrontEnd(QString name)
{
    return m_frontEnds.value(name, nullptr);
}

QStringList DALRfFrontEndSettings::getFrontEndNames()
{
    return m_frontEnds.keys();
}

QList<DALRfCmdSettings::Command> DALRfFrontEndSettings::getFrontEndCommands(const QString &name,
                                                                           const double &frequency)
{
    const FrontEnd *frontEnd = m_frontEnds.value(name, nullptr);
    if (!frontEnd)
        return QList<DALRfCmdSettings::Command>();

    if (frequency != 0.0) {
        for (const FrequencyRange &range : frontEnd->frequencyRanges) {
            if (range.min <= frequency && frequency <= range.max)
                return range.commands;
        }
    }
    // Frequency 0, or no range holds it: the default range.
    for (const FrequencyRange &range : frontEnd->frequencyRanges) {
        if (range.min == 0 && range.max == 0)
            return range.commands;
    }
    return QList<DALRfCmdSettings::Command>();
}

int DALRfFrontEndSettings::createFrontEnds()
{
    int status = 0;
    const QDomNodeList elements = DALDom::elements(*m_document, QStringLiteral("FrontEnd"));
    for (int i = 0; i < elements.count(); ++i) {
        QDomElement element = itemAt(elements, i).toElement();
        auto *frontEnd = new FrontEnd;
        frontEnd->name = element.attribute(QStringLiteral("name"));
        status = createFrontEndSettings(frontEnd, element);
        // Kept also after a failure, with the ranges read before it; a later
        // front end of the same name replaces it.
        delete m_frontEnds.take(frontEnd->name);
        m_frontEnds.insert(frontEnd->name, frontEnd);
    }
    return status;
}

int DALRfFrontEndSettings::createFrontEndSettings(FrontEnd *frontEnd, QDomElement &element)
{
    const QDomNodeList ranges = DALDom::elements(element, QStringLiteral("FrequencyRange"));
    if (ranges.count() == 0) {
        FrequencyRange range;
        const int status = createCommandSettings(element, &range);
        if (status == 0)
            frontEnd->frequencyRanges.append(range);
        return status;
    }

    for (int i = 0; i < ranges.count(); ++i) {
        QDomElement rangeElement = itemAt(ranges, i).toElement();
        FrequencyRange range;
        bool ok = false;
        const unsigned int min = DALCommon::getTextFromTagName(QStringLiteral("Min"), &rangeElement).toUInt(&ok, 10);
        if (ok)
            range.min = static_cast<unsigned short>(min);
        const unsigned int max = DALCommon::getTextFromTagName(QStringLiteral("Max"), &rangeElement).toUInt(&ok, 10);
        if (!ok) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value specified for the \"FrequencyRange\" in the "
                                               "frontend_settings.xml file."),
                             DALReport::within(rangeElement, QStringLiteral("Max")));
        }
        range.max = static_cast<unsigned short>(max);
        const int status = createCommandSettings(rangeElement, &range);
        if (status != 0)
            return status;
        frontEnd->frequencyRanges.append(range);
    }
    return 0;
}

int DALRfFrontEndSettings::createCommandSettings(const QDomElement &element, FrequencyRange *range)
{
    const QDomNodeList commands = DALDom::elements(element, QStringLiteral("Command"));
    if (!m_cmdSettings) {
        if (commands.isEmpty())
            return 0;
        DALReport::message(QStringLiteral("DALRfFrontEndSettings: Null pointer"), element);
        return -1;
    }
    return m_cmdSettings->getCommands(commands, m_fileNameFrontEndSettings, &range->commands);
}
