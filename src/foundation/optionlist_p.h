#ifndef DAL_OPTIONLIST_P_H
#define DAL_OPTIONLIST_P_H

#include "domutil_p.h"
#include "report_p.h"

#include <QString>
#include <QStringList>

// The Option elements that parameters and PA levels carry. Internal to the
// library.
namespace DALOptionList {

// Appends "name=text" to *options for each of the Option elements, in
// order. An element without a name records missingName, one with an empty
// text records missingValue with %1 the option's name (code 5, both already
// translated); either fault is skipped and makes the result -1, else 0.
// elements is a QDomNodeList or a QVector<DALTreeElement>.
template <typename List>
int read(List const &elements, QStringList *options, QString const &missingName, QString const &missingValue)
{
    int result = 0;
    const QString nameAttribute = QStringLiteral("name");
    for (int i = 0, count = elements.count(); i < count; ++i) {
        const auto option = DALDom::itemAt(elements, i).toElement();
        if (!option.hasAttribute(nameAttribute)) {
            DALReport::error(DALErrorCode::ConfigurationError, missingName, option);
            result = -1;
            continue;
        }
        const QString name = option.attribute(nameAttribute);
        const QString text = DALDom::text(option);
        if (text.isEmpty()) {
            DALReport::error(DALErrorCode::ConfigurationError, missingValue.arg(name), option);
            result = -1;
            continue;
        }
        options->append(name + QLatin1Char('=') + text);
    }
    return result;
}

} // namespace DALOptionList

#endif // DAL_OPTIONLIST_P_H
