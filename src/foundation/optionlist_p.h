#ifndef DAL_OPTIONLIST_P_H
#define DAL_OPTIONLIST_P_H

#include <QDomNodeList>
#include <QString>
#include <QStringList>

// The Option elements that parameters and PA levels carry. Internal to the
// library.
namespace DALOptionList {

// Appends "name=text" to *options for each of the Option elements, in
// order. An element without a name records missingName, one with an empty
// text records missingValue with %1 the option's name (code 5, both already
// translated); either fault is skipped and makes the result -1, else 0.
int read(QDomNodeList const &elements, QStringList *options, QString const &missingName,
         QString const &missingValue);

} // namespace DALOptionList

#endif // DAL_OPTIONLIST_P_H
