#include "pathresolver_p.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace DALPathResolver {

namespace {

// Folded name to the real names of the entries of one directory.
using Listing = QHash<QString, QStringList>;

QHash<QString, Listing> s_listings;
// Directories resolved so far: the path as given to the path on disk.
QHash<QString, QString> s_directories;

bool isKind(QString const &path, Kind kind)
{
    const QFileInfo info(path);
    return kind == Kind::File ? info.isFile() : info.isDir();
}

Listing list(QString const &directory)
{
    // Unsorted: the order of the names of one folded key does not matter,
    // only their number.
    Listing listing;
    QDirIterator entries(directory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        listing[entry.toCaseFolded()].append(entry);
    }
    return listing;
}

// The real names in directory that match name without regard to case.
QStringList matches(QString const &directory, QString const &name, bool fresh)
{
    auto cached = s_listings.find(directory);
    if (fresh || cached == s_listings.end())
        cached = s_listings.insert(directory, list(directory));
    return cached->value(name.toCaseFolded());
}

// The entry of directory for component: the exact name when it is listed,
// else the one name that matches without regard to case; empty when none
// or several do.
QString entryFor(QString const &directory, QString const &component)
{
    for (const bool fresh : {false, true}) {
        const QStringList names = matches(directory, component, fresh);
        if (names.contains(component))
            return component;
        if (names.size() == 1)
            return names.first();
        if (names.size() > 1)
            return QString(); // ambiguous: no guess, and a fresh listing would not tell either
    }
    return QString();
}

// name in directory ("" for the working directory, "/" for the root).
QString joined(QString const &directory, QString const &name)
{
    if (directory.isEmpty())
        return name;
    return directory.endsWith(QLatin1Char('/')) ? directory + name : directory + QLatin1Char('/') + name;
}

// The directory on disk for path (clean, "" for the working directory),
// resolved component by component once and then remembered.
QString resolveDirectory(QString const &path)
{
    if (path.isEmpty() || path == QLatin1String("/"))
        return path;
    const auto known = s_directories.constFind(path);
    if (known != s_directories.constEnd())
        return known.value();
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString component = path.mid(slash + 1);
    QString parent = slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : path.left(slash);
    parent = resolveDirectory(parent);
    if (slash >= 0 && parent.isEmpty())
        return QString();
    QString found;
    if (component == QLatin1String(".") || component == QLatin1String("..")) {
        found = component;
    } else {
        found = entryFor(parent.isEmpty() ? QStringLiteral(".") : parent, component);
        if (found.isEmpty())
            return QString();
    }
    const QString real = joined(parent, found);
    s_directories.insert(path, real);
    return real;
}

QString walk(QString const &given, Kind kind)
{
    const QString path = QDir::cleanPath(given);
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const QString parent = slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : path.left(slash);
    const QString directory = resolveDirectory(parent);
    if (slash >= 0 && directory.isEmpty())
        return QString();
    QString entry = name;
    if (name != QLatin1String(".") && name != QLatin1String("..")) {
        entry = entryFor(directory.isEmpty() ? QStringLiteral(".") : directory, name);
        if (entry.isEmpty())
            return QString();
    }
    const QString found = joined(directory, entry);
    return isKind(found, kind) ? found : QString();
}

QString resolveByComponents(QString const &given, Kind kind)
{
    const QString found = walk(given, kind);
    if (!found.isEmpty() || s_directories.isEmpty())
        return found;
    // A remembered directory may have gone or been renamed since: once more
    // without them.
    s_directories.clear();
    return walk(given, kind);
}

} // namespace

QString resolve(QString const &prescribed, QString const &given, Kind kind)
{
    if (!prescribed.isEmpty() && isKind(prescribed, kind))
        return prescribed;
    if (!given.isEmpty() && given != prescribed && isKind(given, kind))
        return given;
    const QString name = given.isEmpty() ? prescribed : given;
    return name.isEmpty() ? QString() : resolveByComponents(name, kind);
}

void dropCache()
{
    s_listings.clear();
    s_directories.clear();
}

} // namespace DALPathResolver
