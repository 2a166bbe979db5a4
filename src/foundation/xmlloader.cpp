#include "DALCommon.h"
#include "messages_p.h"
#include "domutil_p.h"
#include "xmllimits_p.h"
#include "elementtree_p.h"
#include "pathresolver_p.h"
#include "readscope_p.h"
#include "report_p.h"
#include "xmlparser_p.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

namespace {


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
    // Regular files only: opening a FIFO would block until a writer comes, and
    // a directory or device is no configuration file.
    const QString found = DALPathResolver::resolve(path, relativeToRoot ? m_configRoot + fileName : fileName,
                                                   DALPathResolver::Kind::File);
    QFile file(found);
    if (!found.isEmpty() && file.open(QIODevice::ReadOnly)) {
        QString parserMessage;
        int line = 0;
        int column = 0;
        qint64 nodes = 0;
        // A reader that asked for a tree (DALDeviceFile::openTree) gets no document.
        DALElementTree *tree = ReadScope<DALElementTree>::current();
        QDomDocument *doc = nullptr;
        bool parsed = false;
        if (tree) {
            parsed = DALXmlParser::parse(readCapped(file), tree, &parserMessage, &line, &column, &nodes);
        } else {
            doc = DALXmlParser::parse(readCapped(file), docName, &parserMessage, &line, &column, &nodes);
            parsed = doc;
        }
        *document = doc;
        // Messages name the path built from the name; diagnostics the file read.
        const QString named = QFileInfo(path).absoluteFilePath();
        const QString real = QFileInfo(found).absoluteFilePath();
        if (parsed) {
            DALXmlParser::setLastLoadedFile({named, real, nodes});
        } else {
            result = 2;
            detail = DALMessages::parseFailure(named, line, parserMessage);
            DALReport::locate(real, line, column);
        }
        file.close();
    } else {
        *document = nullptr;
        result = 1;
        const QDir root(m_configRoot);
        if (!root.exists()) {
            detail = QLatin1String("Directory does not exist: ") + root.absolutePath();
            DALReport::locate(root.absolutePath(), 0, 0);
        } else if (m_status == 0) {
            detail = QFileInfo(path).absoluteFilePath();
            DALReport::locate(detail, 0, 0);
        }
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
    return DALDom::text(DALDom::firstElementByTagName(*document, tagName));
}

QString DALCommon::getTextFromTagName(QString const &tagName, QDomElement *element)
{
    if (!element)
        return QString();
    return DALDom::text(DALDom::firstElementByTagName(*element, tagName));
}
