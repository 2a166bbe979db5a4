// Writes a generated tree to disk and lists the files of its full device.
#include "treegen.h"
#include "treetexts.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace TreeGen {

using namespace Text;

namespace {

// The name a file or directory of the full device has on disk.
QString onDisk(const Params &p, const QString &relative)
{
    if (!p.miscased)
        return relative;
    QStringList parts = relative.split(QLatin1Char('/'));
    for (QString &part : parts) {
        if (!part.isEmpty())
            part[0] = part.at(0).toUpper();
    }
    return parts.join(QLatin1Char('/'));
}

QString deviceDirectory(const QString &rootPath, const Params &p, int device)
{
    const QString name = deviceName(device).toLower();
    return rootPath + (device == 0 ? onDisk(p, name) : name) + QLatin1Char('/');
}

} // namespace

bool write(const QString &root, const Params &p, QString *error)
{
    QDir top(root);
    if (!top.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("cannot create %1").arg(root);
        return false;
    }
    const QString rootPath = top.absolutePath() + QLatin1Char('/');
    if (!save(rootPath + QStringLiteral("device_list.xml"), deviceList(p), error))
        return false;
    for (int d = 0; d < p.devices; ++d) {
        const QString dir = deviceDirectory(rootPath, p, d);
        const bool full = d == 0;
        // The names of the full device as they are on disk.
        auto at = [&](const char *relative) { return dir + (full ? onDisk(p, QLatin1String(relative)) : QString(QLatin1String(relative))); };
        if (!QDir().mkpath(dir) || !save(at("device_config.xml"), deviceConfig(root, p, d, full), error)
            || !save(at("device_description.xml"), deviceDescription(d), error))
            return false;
        if (!full)
            continue;
        if (!QDir().mkpath(at("settings/tf")) || !QDir().mkpath(at("pa")) || !QDir().mkpath(at("overrides"))) {
            *error = QStringLiteral("cannot create the directories of %1").arg(dir);
            return false;
        }
        if (!save(at("param_definition.xml"), paramDefinition(p), error)
            || !save(at("param_cmd_mapping.xml"), paramCmdMapping(p), error)
            || !save(at("radio_par_definitions.xml"), radioParDefinitions(), error)
            || !save(at("rf_command_definitions.xml"), rfCommandDefinitions(p), error)
            || !save(at("settings/categories.xml"), categories(p), error)
            || !save(at("pa/pasettings.xml"), paSettings(p), error)
            || !save(at("frontend_settings.xml"), frontEndSettings(p), error))
            return false;
        for (int o = 0; o < p.overrideFiles; ++o) {
            if (!save(dir + onDisk(p, QStringLiteral("overrides/override_gen%1.xml").arg(number(o))), overrideFile(o), error))
                return false;
        }
        int lastGroup = -1;
        for (int c = 0; c < p.categories; ++c) {
            for (int s = 0; s < p.settingsPerCategory; ++s) {
                if (!save(dir + onDisk(p, QStringLiteral("settings/") + settingFile(c, s)), settingText(p, c, s), error))
                    return false;
                const int group = tfGroup(p, c, s);
                if (group == lastGroup)
                    continue;
                lastGroup = group;
                for (int f = 0; f < std::min(std::max(p.tfFilesPerSetting, 0), 4); ++f) {
                    if (!save(dir + onDisk(p, QStringLiteral("settings/") + tfFile(group, f)), tfText(p, group, f), error))
                        return false;
                }
            }
        }
    }
    return true;
}

QStringList deviceFiles(const QString &root, const Params &p)
{
    QStringList files;
    const QString dir = deviceDirectory(QDir(root).absolutePath() + QLatin1Char('/'), p, 0);
    QDirIterator it(dir, QStringList(QStringLiteral("*.xml")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

} // namespace TreeGen
