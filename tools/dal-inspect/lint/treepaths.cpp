#include "treepaths.h"

#include "pathresolver_p.h"

#include <QDir>
#include <QFileInfo>

QString openedPath(QString const &directory, QString const &file)
{
    const QString written = directory + QLatin1Char('/') + file;
    for (const QString &path : {written.toLower(), written}) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return QString();
}

QString missingPath(QString const &directory, QString const &file)
{
    return QDir::cleanPath(QFileInfo((directory + QLatin1Char('/') + file).toLower()).absoluteFilePath());
}

QString pathIgnoringCase(QString const &path)
{
    // The library's own resolution, so that the linter names exactly the
    // files the readers find (and none where the match is ambiguous).
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(absolute))
        return QString();
    const QString file = DALPathResolver::resolve(QString(), absolute, DALPathResolver::Kind::File);
    return file.isEmpty() ? DALPathResolver::resolve(QString(), absolute, DALPathResolver::Kind::Directory) : file;
}
