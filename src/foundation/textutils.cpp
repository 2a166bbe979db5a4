#include "DALCommon.h"
#include "pathresolver_p.h"

#include <QFile>
#include <QRegularExpression>

QString DALCommon::getBuildNbr()
{
    QString result;
    const QString name = QStringLiteral("version.txt");
    QFile file(DALPathResolver::resolve(name, name, DALPathResolver::Kind::File));
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        // UTF-8, line by line; the last line that mentions the build counts.
        while (!file.atEnd()) {
            QString line = QString::fromUtf8(file.readLine());
            if (line.endsWith(QLatin1Char('\n')))
                line.chop(1);
            if (line.contains(QLatin1String("build"), Qt::CaseSensitive))
                result = QLatin1Char('(') + line + QLatin1Char(')');
        }
        file.close();
    }
    if (result.contains(QLatin1String("release"), Qt::CaseSensitive)) {
        result.remove(QStringLiteral("release"), Qt::CaseSensitive);
        result.remove(QLatin1Char(' '));
    }
    return result;
}

void DALCommon::encodeHtmlCharEntities(QString &text)
{
    // A closing tag with something behind its name is not markup rich text
    // understands; show it literally, name kept and attributes dropped.
    static const QRegularExpression closingTagWithExtra(QStringLiteral("</(\\w+)\\s+[^>]*>"),
                                                        QRegularExpression::UseUnicodePropertiesOption);
    text.replace(closingTagWithExtra,
                 QStringLiteral("&lt;/\\1&gt;"));
    text.replace(QLatin1String(" < "), QLatin1String(" &lt; "));
    text.replace(QLatin1String(" > "), QLatin1String(" &gt; "));
}

unsigned char DALCommon::reverseBitOrder(char const &value)
{
    const auto in = static_cast<unsigned char>(value);
    unsigned char out = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (in & (1u << bit))
            out |= static_cast<unsigned char>(0x80u >> bit);
    }
    return out;
}

bool DALCommon::isHexDigit(QChar c)
{
    const ushort u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}
