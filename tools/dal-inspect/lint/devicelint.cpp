// The files of one device: device_config.xml, the directories it names, and
// every file its readers read there.

#include "treelint.h"

#include "treepaths.h"
#include "valuecheck.h"

#include <QDir>
#include <QFileInfo>

using namespace Vocabulary;

namespace {

bool isDirectoryKind(FileKind const &kind)
{
    return kind.file.contains(QLatin1Char('*'));
}

// A file of a shared directory that its author meant for the pattern
// ("pa_settings_868.xml" for "pasettings*.xml").
bool looksMeantFor(QString const &name, QString const &pattern)
{
    QString plain = name.toLower();
    plain.remove(QLatin1Char('_')).remove(QLatin1Char('-')).remove(QLatin1Char(' '));
    QString stem = pattern.section(QLatin1Char('*'), 0, 0).toLower();
    stem.remove(QLatin1Char('_'));
    return plain.contains(stem.left(stem.size() - 1));
}

} // namespace

void TreeLint::lintDevice(QString const &device)
{
    m_sink.setDevice(device);
    m_sink.setReader(QStringLiteral("deviceConfig"));
    m_commands = CommandTable();
    const QString path = openedPath(m_root + device, QStringLiteral("device_config.xml"));
    if (path.isEmpty()) {
        const QString other = pathIgnoringCase(m_root + device + QStringLiteral("/device_config.xml"));
        if (!other.isEmpty()) {
            atDevice(QStringLiteral("case-only"),
                     QStringLiteral("device \"%1\" has its device_config.xml only as \"%2\", found without regard "
                                    "to letter case")
                         .arg(device, other));
            return;
        }
        const QString missing = missingPath(m_root + device, QStringLiteral("device_config.xml"));
        atDevice(QStringLiteral("missing-file"),
                 QStringLiteral("device \"%1\" has no device_config.xml: \"%2\" does not exist").arg(device, missing));
        m_located.insert(missing);
        return;
    }
    Parsed config;
    if (lint(QStringLiteral("device_config"), path, &config))
        lintDeviceFiles(lintDeviceConfig(config));
}

QHash<QString, QStringList> TreeLint::lintDeviceConfig(Parsed const &config)
{
    const XmlTree &tree = config.tree;
    struct Entry
    {
        int element;
        QString key;
        QString directory;
        QString id; // file, PHY and version: a later entry with the same id replaces this one
    };
    QList<Entry> entries;
    QHash<QString, int> last;
    for (int path : tree.all(QStringLiteral("path"))) {
        const XmlTree::Attribute *key = tree.attribute(path, QStringLiteral("file"));
        if (!config.entries.at(path) || !key)
            continue;
        const QString phy
            = tree.attribute(path, QStringLiteral("phy")) ? tree.attribute(path, "phy")->value : QString();
        const QString version
            = tree.attribute(path, QStringLiteral("version")) ? tree.attribute(path, "version")->value : QString();
        const Entry entry{path, key->value, tree.at(path).text,
                          key->value + '\n' + phy.toLower() + '\n' + version.toLower()};
        const auto earlier = last.constFind(entry.id);
        if (earlier != last.cend())
            m_sink.at(tree, entries.at(*earlier).element, QStringLiteral("duplicate"),
                      QStringLiteral("the path of \"%1\" is given again on line %2, which replaces this one")
                          .arg(entry.key)
                          .arg(tree.at(path).line));
        last.insert(entry.id, entries.size());
        entries.append(entry);
    }

    QHash<QString, QStringList> files;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &entry = entries.at(i);
        const FileKind *kind = kindOfConfigKey(entry.key);
        if (!kind) {
            m_sink.at(tree, entry.element, QStringLiteral("unknown-file-key"),
                      QStringLiteral("no reader asks for the file key \"%1\"%2")
                          .arg(entry.key, didYouMean(entry.key, configKeys())),
                      QStringLiteral("file"));
            continue;
        }
        m_sink.setReader(kind->reader);
        if (entry.directory.trimmed().isEmpty()) {
            m_sink.at(tree, entry.element, QStringLiteral("empty-path"),
                      QStringLiteral("the path of \"%1\" is empty, so its reader finds no directory").arg(entry.key));
        } else if (entry.directory != entry.directory.trimmed()) {
            m_sink.at(
                tree, entry.element, QStringLiteral("bad-value"),
                QStringLiteral("<path> holds %1: its blanks are part of the directory").arg(quoted(entry.directory)));
        } else {
            const bool read = last.value(entry.id) == i && entry.id.endsWith(QLatin1String("\n\n"));
            if (isDirectoryKind(*kind)) {
                bool dedicated = true;
                for (const Entry &other : entries) {
                    dedicated = dedicated
                        && (other.element == entry.element
                            || QFileInfo(other.directory).absoluteFilePath()
                                != QFileInfo(entry.directory).absoluteFilePath());
                }
                const QStringList found = checkDirectoryEntry(tree, entry.element, entry.directory, *kind, dedicated);
                if (read)
                    files[kind->id] += found;
            } else {
                const QString found = checkFileEntry(tree, entry.element, entry.directory, entry.key);
                if (read && !found.isEmpty())
                    files[kind->id] << found;
                if (read && kind->id == QLatin1String("categories"))
                    m_settingsDirectory = entry.directory;
            }
        }
        m_sink.setReader(QStringLiteral("deviceConfig"));
    }
    return files;
}

QString TreeLint::checkFileEntry(XmlTree const &config, int path, QString const &directory, QString const &key)
{
    const QString opened = openedPath(directory, key);
    if (!opened.isEmpty())
        return opened;
    const QString other = pathIgnoringCase(directory + QLatin1Char('/') + key);
    if (!other.isEmpty()) {
        m_sink.at(config, path, QStringLiteral("case-only"),
                  QStringLiteral("%1 is found only as \"%2\", without regard to letter case")
                      .arg(key, other));
        return QString();
    }
    const QString missing = missingPath(directory, key);
    m_located.insert(missing);
    if (!QFileInfo(directory).isDir() && !QFileInfo(directory.toLower()).isDir())
        m_sink.at(config, path, QStringLiteral("missing-directory"),
                  QStringLiteral("directory \"%1\" of %2 does not exist").arg(directory, key));
    else
        m_sink.at(config, path, QStringLiteral("missing-file"),
                  QStringLiteral("directory \"%1\" holds no %2").arg(directory, key));
    return QString();
}

QStringList TreeLint::checkDirectoryEntry(XmlTree const &config, int path, QString const &directory,
                                          FileKind const &kind, bool dedicated)
{
    const QString what
        = kind.id == QLatin1String("pasettings") ? QStringLiteral("PA table") : QStringLiteral("override");
    if (!QFileInfo(directory).isDir()) {
        const QString other = pathIgnoringCase(directory);
        if (!other.isEmpty())
            m_sink.at(config, path, QStringLiteral("case-only"),
                      QStringLiteral("directory \"%1\" is found only as \"%2\", without regard to letter case")
                          .arg(directory, other));
        else
            m_sink.at(config, path, QStringLiteral("missing-directory"),
                      QStringLiteral("directory \"%1\" of %2 does not exist, so no %3 is read")
                          .arg(directory, kind.configKey, what));
        return {};
    }
    const QDir dir(directory);
    const QStringList matching = dir.entryList(QStringList(kind.file), QDir::Files, QDir::Name | QDir::IgnoreCase);
    if (matching.isEmpty())
        m_sink.at(config, path, QStringLiteral("empty-directory"),
                  QStringLiteral("directory \"%1\" holds no file matching %2, so no %3 is read")
                      .arg(directory, kind.file, what));
    QStringList files;
    for (const QString &name : matching) {
        files << openedPath(directory, name);
    }
    for (const QString &name : dir.entryList(QStringList(QStringLiteral("*.xml")), QDir::Files, QDir::Name)) {
        if (!matching.contains(name) && (dedicated || looksMeantFor(name, kind.file)))
            m_sink.add(QStringLiteral("pattern-mismatch"), dir.absoluteFilePath(name), 0, 0,
                       QStringLiteral("\"%1\" is not read: only files matching %2 are").arg(name, kind.file));
    }
    return files;
}
