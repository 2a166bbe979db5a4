#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

QDomDocument parseXml(QByteArray const &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qFatal("test document does not parse: %s", xml.constData());
    return document;
}

void resetLibraryState()
{
    DALDeviceConfig::deleteInstance();
    DALCommon::clearErrorList();
}

FixtureTree::FixtureTree()
{
    static int counter = 0;
    QString base = QDir::tempPath();
    if (base != base.toLower())
        base = QStringLiteral("/tmp");
    const QString dir = QStringLiteral("%1/dal-fixture-%2-%3")
                            .arg(base)
                            .arg(QCoreApplication::applicationPid())
                            .arg(++counter);
    QDir(dir).removeRecursively();
    if (QDir().mkpath(dir))
        m_root = dir + QLatin1Char('/');
    resetLibraryState();
    DALCommon::setConfigRoot(m_root);
}

FixtureTree::~FixtureTree()
{
    resetLibraryState();
    if (isValid())
        QDir(m_root).removeRecursively();
}

bool FixtureTree::write(QString const &relative, QByteArray const &content) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(content) == content.size();
}

bool FixtureTree::mkdir(QString const &relative) const
{
    return QDir().mkpath(path(relative));
}

bool FixtureTree::writeDeviceConfig(QString const &device, QStringList const &files,
                                    QString const &dir) const
{
    const QString target = path(dir.isEmpty() ? device.toLower() : dir);
    QDir().mkpath(target);
    QByteArray xml = "<DeviceConfig>\n";
    for (const QString &file : files)
        xml += "  <path file=\"" + file.toUtf8() + "\">" + target.toUtf8() + "</path>\n";
    xml += "</DeviceConfig>\n";
    return write(device.toLower() + QStringLiteral("/device_config.xml"), xml);
}
