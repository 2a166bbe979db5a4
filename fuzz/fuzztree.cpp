#include "fuzztree.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "xmlparser_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>

namespace {

QString copySampleTree()
{
    QString base = QDir::tempPath();
    if (base != base.toLower())
        base = QStringLiteral("/tmp");
    const QString target = QStringLiteral("%1/dal-fuzz-%2/").arg(base).arg(QCoreApplication::applicationPid());
    QDir(target).removeRecursively();
    const QString source = QStringLiteral(DAL_SAMPLE_TREE);
    QDirIterator files(source, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString copy = target + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(copy).absolutePath());
        if (!QFile::copy(file, copy))
            qFatal("cannot copy %s to %s", qPrintable(file), qPrintable(copy));
    }
    if (!QDir::setCurrent(target))
        qFatal("cannot enter %s", qPrintable(target));
    return target;
}

void removeTree()
{
    QDir(FuzzTree::root()).removeRecursively();
}

} // namespace

namespace FuzzTree {

QString device()
{
    return QStringLiteral("VO4725");
}

QString root()
{
    static const QString tree = [] {
        // Some readers consult the application object (debug log, paths).
        static int argc = 1;
        static char name[] = "dal-fuzz";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        const QString path = copySampleTree();
        std::atexit(removeTree);
        return path;
    }();
    return tree;
}

void reset()
{
    DALDeviceConfig::deleteInstance();
    DALCommon::clearErrorList();
    DALCommon::setConfigRoot(root());
}

QList<QByteArray> split(uint8_t const *data, size_t size, int count)
{
    const QByteArray input(reinterpret_cast<char const *>(data), static_cast<int>(size));
    QList<QByteArray> parts;
    int start = 0;
    while (parts.size() < count - 1) {
        const int end = input.indexOf('\0', start);
        if (end < 0)
            break;
        parts.append(input.mid(start, end - start));
        start = end + 1;
    }
    parts.append(input.mid(start));
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}

void write(QString const &relative, QByteArray const &content)
{
    QFile file(root() + relative);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

bool parseAsHost(QByteArray const &content, QDomDocument *document)
{
    QString message;
    int line = 0;
    int column = 0;
    qint64 nodes = 0;
    std::unique_ptr<QDomDocument> parsed(DALXmlParser::parse(content, QString(), &message, &line, &column, &nodes));
    if (!parsed)
        return false;
    *document = *parsed;
    return true;
}

QStringList names(QByteArray const &content, int limit)
{
    QStringList result;
    QDomDocument document;
    if (!parseAsHost(content, &document))
        return result;
    const QDomNodeList elements = document.elementsByTagName(QStringLiteral("*"));
    for (int i = 0; i < elements.count() && result.size() < limit; ++i) {
        const QDomElement element = elements.item(i).toElement();
        if (element.hasAttribute(QStringLiteral("name")))
            result.append(element.attribute(QStringLiteral("name")));
        if (element.firstChildElement().isNull() && !element.text().isEmpty())
            result.append(element.text());
    }
    return result;
}

int consume(QStringList const &strings)
{
    int total = 0;
    for (const QString &string : strings)
        total += consume(string);
    return total;
}

int consume(QString const &string)
{
    int total = 0;
    for (const QChar c : string)
        total += c.unicode();
    return total;
}

} // namespace FuzzTree
