#include "xmlparser.h"

#include "xmldecoding.h"
#include "xmllimits.h"

#include <QDomDocument>

namespace DALXmlParser {

QDomDocument *parse(QByteArray data, QString const &docName, QString *message, int *line)
{
    if (data.size() > DALXmlLimits::kMaxFileSize) {
        *message = QStringLiteral("The file is larger than %1 bytes.").arg(DALXmlLimits::kMaxFileSize);
        return nullptr;
    }
    const qint64 size = data.size();
    QString text = DALXmlDecoding::decode(data);
    data = QByteArray();
    *message = DALXmlLimits::checkDocument(text, size, line);
    if (!message->isEmpty())
        return nullptr;
    auto *doc = new QDomDocument(docName);
    int column = 0;
    if (!doc->setContent(text, false, message, line, &column)) {
        delete doc;
        return nullptr;
    }
    return doc;
}

} // namespace DALXmlParser
