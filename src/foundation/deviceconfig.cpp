#include "DALDeviceConfig.h"
#include "DALCommon.h"

#include "domutil_p.h"
#include "documentread_p.h"
#include "pathresolver_p.h"
#include "report_p.h"

#include <QDomDocument>

DALDeviceConfig *DALDeviceConfig::m_pInstance = nullptr;
int DALDeviceConfig::m_status = 0;
QMap<QString, QMap<QString, QString>> DALDeviceConfig::m_mapOfFilenames;

namespace {
const QString kDeviceConfigFile = QStringLiteral("device_config.xml");
}

DALDeviceConfig::DALDeviceConfig(QString const &device, QDomDocument *document)
{
    m_status = 0;
    m_pInstance = this;
    m_mapOfFilenames.clear();
    createFilenameMap(device, document);
}

DALDeviceConfig::DALDeviceConfig(DALDeviceConfig const &)
{
}

DALDeviceConfig &DALDeviceConfig::operator=(DALDeviceConfig const &)
{
    return *this;
}

DALDeviceConfig::~DALDeviceConfig()
{
    if (m_pInstance == this)
        m_pInstance = nullptr;
}

int DALDeviceConfig::getStatus()
{
    return m_status;
}

void DALDeviceConfig::deleteInstance()
{
    delete m_pInstance;
    m_pInstance = nullptr;
    // Switching devices: directories may have been renamed since they were listed.
    DALPathResolver::dropCache();
}

void DALDeviceConfig::createInstance(QString const &device)
{
    QDomDocument *document = nullptr;
    m_status = DALCommon::openDomDocument(QStringLiteral("/%1/%2").arg(device, kDeviceConfigFile),
                                          QStringLiteral("deviceConfig"), &document, true);
    if (m_status == 0) {
        DocumentRead reading(*document);
        new DALDeviceConfig(device, document); // registers itself as m_pInstance
    }
    delete document;
}

void DALDeviceConfig::createFilenameMap(QString const &device, QDomDocument *document)
{
    const QDomNodeList paths = DALDom::elements(*document, QStringLiteral("path"));
    for (int i = 0; i < paths.count() && m_status == 0; ++i) {
        const QDomElement path = paths.item(i).toElement();
        if (path.isNull())
            continue;
        if (!path.hasAttribute(QStringLiteral("file"))) {
            m_status = -1;
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("The file attribute is missing for the \"path\" tag in device_config.xml."),
                             path);
            break;
        }
        const QString key = getKey(device, path.attribute(QStringLiteral("phy")),
                                   path.attribute(QStringLiteral("version")));
        m_mapOfFilenames[path.attribute(QStringLiteral("file"))][key] = DALDom::text(path);
    }
}

QString DALDeviceConfig::getKey(QString const &device, QString const &phy, QString const &version)
{
    QString key;
    if (!device.isEmpty() && !phy.isEmpty() && !version.isEmpty())
        key = QStringLiteral("%1_%2_%3").arg(device, phy, version);
    else if (!phy.isEmpty())
        key = QStringLiteral("%1_%2").arg(device, phy);
    else if (!version.isEmpty())
        key = QStringLiteral("%1_%2").arg(device, version);
    else
        key = device;
    return key.toLower();
}

void DALDeviceConfig::parseDeviceDefinition(QString name, QString *device, QString *phy, QString *version)
{
    const QStringList pieces = name.split(QLatin1Char('_'));
    if (pieces.isEmpty())
        return;
    *device = pieces.first().toLower();

    for (int i = 1; i < pieces.size(); ++i) {
        const QString piece = pieces.at(i).toLower();
        if (piece.contains(QLatin1String("pg")))
            break;
        *phy = (i == 1) ? piece : *phy + QLatin1Char('_') + piece;
    }

    const QString last = pieces.last().toLower();
    if (last.contains(QLatin1String("pg"))) {
        *version = last;
        if (pieces.size() == 2)
            phy->clear();
    }
}

QString DALDeviceConfig::getPath(QString const &fileName, QString const &device,
                                 QString const &phy, QString const &version)
{
    QString result;
    QString dev = device.toLower();
    QString ph = phy.toLower();
    QString ver = version.toLower();
    QString discarded;

    const QLatin1Char underscore('_');
    if (device.contains(underscore))
        parseDeviceDefinition(device, &dev, &ph, &ver);
    else if (phy.contains(underscore))
        parseDeviceDefinition(phy, &discarded, &ph, &ver);
    else if (version.contains(underscore))
        parseDeviceDefinition(version, &discarded, &discarded, &ver);

    if (!m_pInstance)
        createInstance(dev);

    if (m_status != 0)
        return result;
    const auto files = m_mapOfFilenames.constFind(fileName);
    if (files == m_mapOfFilenames.constEnd())
        return result;
    const QMap<QString, QString> &inner = files.value();

    const QString fullKey = getKey(dev, ph, ver);
    result = inner.value(fullKey);
    if (result.isEmpty() && !ph.isEmpty() && !inner.contains(fullKey))
        result = inner.value(dev + underscore + ph);
    if (result.isEmpty() && !ver.isEmpty())
        result = inner.value(dev + underscore + ver);
    if (result.isEmpty())
        result = inner.value(dev);
    return result;
}
