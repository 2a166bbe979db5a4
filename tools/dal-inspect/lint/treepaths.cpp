#include "treepaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

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
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo::exists(absolute))
        return QString();
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString found = QStringLiteral("/");
    for (const QString &part : parts) {
        const QString exact = QDir(found).filePath(part);
        if (QFileInfo::exists(exact)) {
            found = exact;
            continue;
        }
        QString match;
        const QStringList entries = QDir(found).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return QString();
        found = QDir(found).filePath(match);
    }
    return found;
}
