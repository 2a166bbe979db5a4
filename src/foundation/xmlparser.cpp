#include "xmlparser_p.h"

#include "xmldecoding_p.h"
#include "xmllimits_p.h"
#include "xmlwhitespace_p.h"

#include <QDomDocument>

namespace DALXmlParser {

QDomDocument *parse(QByteArray data, QString const &docName, QString *message, int *line, int *column,
                    qint64 *nodes)
{
    if (data.size() > DALXmlLimits::kMaxFileSize) {
        *message = QStringLiteral("The file is larger than %1 bytes.").arg(DALXmlLimits::kMaxFileSize);
        return nullptr;
    }
    const qint64 size = data.size();
    QString text = DALXmlDecoding::decode(data);
    data = QByteArray();
    DALXmlLimits::Position position;
    *message = DALXmlLimits::checkDocument(text, size, &position, nodes);
    *line = position.line;
    *column = position.column;
    if (!message->isEmpty())
        return nullptr;
    if (DALXmlWhitespace::kParserNormalizes)
        text = DALXmlWhitespace::keepAsWritten(text);
    auto *doc = new QDomDocument(docName);
    if (!doc->setContent(text, false, message, line, column)) {
        delete doc;
        return nullptr;
    }
    return doc;
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
