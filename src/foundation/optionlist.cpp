#include "optionlist_p.h"

#include "domutil_p.h"
#include "report_p.h"

#include <QDomElement>

namespace DALOptionList {

int read(QDomNodeList const &elements, QStringList *options, QString const &missingName,
         QString const &missingValue)
{
    int result = 0;
    const QString nameAttribute = QStringLiteral("name");
    for (int i = 0, count = elements.count(); i < count; ++i) {
        QDomElement option = elements.item(i).toElement();
        const QDomAttr name = option.attributeNode(nameAttribute);
        if (name.isNull()) {
            DALReport::error(DALErrorCode::ConfigurationError, missingName, option);
            result = -1;
            continue;
        }
        const QString text = DALDom::text(option);
        if (text.isEmpty()) {
            DALReport::error(DALErrorCode::ConfigurationError, missingValue.arg(name.value()), option);
            result = -1;
            continue;
        }
        options->append(name.value() + QLatin1Char('=') + text);
    }
    return result;
}

} // namespace DALOptionList
