#include "pathresolver_p.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

namespace DALPathResolver {

namespace {

// Folded name to the real names of the entries of one directory.
using Listing = QHash<QString, QStringList>;

QHash<QString, Listing> s_listings;

bool isKind(QString const &path, Kind kind)
{
    const QFileInfo info(path);
    return kind == Kind::File ? info.isFile() : info.isDir();
}

Listing list(QString const &directory)
{
    Listing listing;
    const QStringList entries =
        QDir(directory).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        listing[entry.toCaseFolded()].append(entry);
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

QString resolveByComponents(QString const &given, Kind kind)
{
    const QString path = QDir::cleanPath(given);
    const bool absolute = QDir::isAbsolutePath(path);
    QString current = absolute ? QStringLiteral("/") : QString();
    const QStringList components = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &component : components) {
        if (component == QLatin1String(".") || component == QLatin1String("..")) {
            current += component + QLatin1Char('/');
            continue;
        }
        const QString entry = entryFor(current.isEmpty() ? QStringLiteral(".") : current, component);
        if (entry.isEmpty())
            return QString();
        current += entry + QLatin1Char('/');
    }
    current.chop(1);
    return isKind(current, kind) ? current : QString();
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
}

} // namespace DALPathResolver
