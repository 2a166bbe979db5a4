#include "xmlparser_p.h"

#include "xmldecoding_p.h"
#include "xmllimits_p.h"
#include "xmlwhitespace_p.h"

#include "elementtree_p.h"

#include <QDomDocument>

#include <memory>

namespace DALXmlParser {

namespace {

// The size limit, decoding and the checks of DALXmlLimits: the decoded text,
// or a null string with the reason and position in *message, *line, *column.
QString prepare(QByteArray data, QString *message, int *line, int *column, qint64 *nodes)
{
    if (data.size() > DALXmlLimits::kMaxFileSize) {
        *message = QStringLiteral("The file is larger than %1 bytes.").arg(DALXmlLimits::kMaxFileSize);
        return QString();
    }
    const qint64 size = data.size();
    QString text = DALXmlDecoding::decode(data);
    data = QByteArray();
    DALXmlLimits::Position position;
    *message = DALXmlLimits::checkDocument(text, size, &position, nodes);
    *line = position.line;
    *column = position.column;
    if (!message->isEmpty())
        return QString();
    // Never null once accepted, so that an empty file reaches the parser.
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// Qt's DOM parser on the decoded text; a parser that normalizes white space
// is given it with the references that keep it as written.
QDomDocument *parseDom(QString const &text, QString const &docName, QString *message, int *line, int *column)
{
    auto *doc = new QDomDocument(docName);
    const QString &kept = DALXmlWhitespace::kParserNormalizes ? DALXmlWhitespace::keepAsWritten(text) : text;
    if (!doc->setContent(kept, false, message, line, column)) {
        delete doc;
        return nullptr;
    }
    return doc;
}

} // namespace

QDomDocument *parse(QByteArray data, QString const &docName, QString *message, int *line, int *column,
                    qint64 *nodes)
{
    const QString text = prepare(std::move(data), message, line, column, nodes);
    if (text.isNull())
        return nullptr;
    return parseDom(text, docName, message, line, column);
}

bool parse(QByteArray data, DALElementTree *tree, QString *message, int *line, int *column, qint64 *nodes)
{
    const QString text = prepare(std::move(data), message, line, column, nodes);
    if (text.isNull())
        return false;
    // The stream reader normalizes white space as Qt 6's DOM parser does: a
    // document that may need references to keep it goes to the DOM parser.
    tree->reserve(*nodes);
    if (DALXmlWhitespace::readsAsWritten(text) && tree->readPlain(text))
        return true;
    const std::unique_ptr<QDomDocument> doc(parseDom(text, QString(), message, line, column));
    if (!doc)
        return false;
    tree->fromDocument(*doc);
    return true;
}

namespace {
LoadedFile s_lastLoadedFile;
}

LoadedFile const &lastLoadedFile()
{
    return s_lastLoadedFile;
}

void setLastLoadedFile(LoadedFile const &file)
{
    s_lastLoadedFile = file;
}

} // namespace DALXmlParser
