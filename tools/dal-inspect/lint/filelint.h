#ifndef DALINSPECT_LINT_FILELINT_H
#define DALINSPECT_LINT_FILELINT_H

#include "finding.h"
#include "vocabulary.h"
#include "xmltree.h"

#include <QVector>

// Checks one parsed file against the vocabulary of its kind: elements and
// attributes no reader reads (with a near miss of a known name), elements
// where the reader does not look for them, required ones whose absence the
// reader does not report, repeated ones of which only the first counts,
// values the reader turns into 0, empty or a default, and names that must
// differ. Returns the vocabulary entry of every element (null for an
// element that is not known where it stands, and for everything inside it).
QVector<Vocabulary::Element const *> lintFile(Vocabulary::FileKind const &kind, XmlTree const &tree, FindingSink &sink);

#endif // DALINSPECT_LINT_FILELINT_H
