#ifndef DALINSPECT_LINT_VALUECHECK_H
#define DALINSPECT_LINT_VALUECHECK_H

#include "vocabulary.h"

#include <QString>
#include <QStringList>

// What the library makes of a value without saying so, as the rest of a
// sentence about it ("holds \"three\", not a decimal integer: it reads as
// 0"); empty when the value reads as written. Faults the reader reports
// itself (flag ReaderValue) are left to it.
QString valueProblem(Vocabulary::Type type, int flags, QString const &text, QStringList const &keywords);

// The name among candidates that word is a near miss of: the same letters in
// another case, or a swap, an extra, a missing or a wrong letter or two in a
// longer name. Empty when there is none.
QString nearMiss(QString const &word, QStringList const &candidates);

// "; did you mean <quote>X<quote>?" for a near miss, else empty.
QString didYouMean(QString const &word, QStringList const &candidates, QString const &open = QStringLiteral("\""),
                   QString const &close = QStringLiteral("\""));

#endif // DALINSPECT_LINT_VALUECHECK_H
