#include "DALCommon.h"
#include "domutil.h"
#include "xmllimits.h"
#include "xmlparser.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace {

// Opens regular files only: opening a FIFO would block until a writer comes,
// and a directory or device is no configuration file. Anything else counts
// as a file that cannot be opened.
bool openRegularFile(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

// Reads at most one byte more than the size limit: enough to know that a
// file is too large. The buffer is sized from the file's own size, so a small
// file does not cost an allocation of the whole limit; a file that grows while
// it is read is still read on, in chunks, up to the same cap.
QByteArray readCapped(QFile &file)
{
    const qint64 cap = DALXmlLimits::kMaxFileSize + 1;
    QByteArray data = file.read(qBound<qint64>(1, file.size() + 1, cap));
    while (data.size() < cap && !file.atEnd()) {
        const QByteArray more = file.read(qMin<qint64>(64 * 1024, cap - data.size()));
        if (more.isEmpty())
            break;
        data += more;
    }
    return data;
}

} // namespace

int DALCommon::openDomDocument(QString const &fileName, QString const &docName,
                               QDomDocument **document, bool relativeToRoot)
{
    // Only the file name is lower-cased; the root is used as the host gave it.
    const QString lowerName = fileName.toLower();
    const QString path = relativeToRoot ? m_configRoot + lowerName : lowerName;

    int result = 0;
    QString detail;
    QFile file(path);
    bool opened = openRegularFile(file);
    if (!opened && lowerName != fileName) {
        // Configuration trees come from case-insensitive file systems: a file
        // that exists only under the spelling it was named by is read under it.
        file.setFileName(relativeToRoot ? m_configRoot + fileName : fileName);
        opened = openRegularFile(file);
        if (!opened)
            file.setFileName(path);
    }
    if (opened) {
        QString parserMessage;
        int line = 0;
        QDomDocument *doc = DALXmlParser::parse(readCapped(file), docName, &parserMessage, &line);
        *document = doc;
        if (!doc) {
            result = 2;
            detail = QFileInfo(file.fileName()).absoluteFilePath()
                     + QStringLiteral(", line %2: \n%1").arg(parserMessage, QString::number(line));
        }
        file.close();
    } else {
        *document = nullptr;
        result = 1;
        const QDir root(m_configRoot);
        if (!root.exists())
            detail = QLatin1String("Directory does not exist: ") + root.absolutePath();
        else if (m_status == 0)
            detail = QFileInfo(path).absoluteFilePath();
        // Otherwise an earlier failure has not been cleared: stay silent.
    }

    m_status = result;
    if (!detail.isEmpty())
        setError(result, detail);
    return result;
}

QString DALCommon::getTextFromTagName(QString const &tagName, QDomDocument *document)
{
    if (!document)
        return QString();
    return DALDom::firstElementByTagName(*document, tagName).text();
}

QString DALCommon::getTextFromTagName(QString const &tagName, QDomElement *element)
{
    if (!element)
        return QString();
    return DALDom::firstElementByTagName(*element, tagName).text();
}
