#ifndef DALINSPECT_LINT_TREEPATHS_H
#define DALINSPECT_LINT_TREEPATHS_H

#include <QString>

// The file the library opens for file in directory: directory + "/" + file
// in lower case, else as written (relative directories resolve in the
// working directory); empty when neither is a file.
QString openedPath(QString const &directory, QString const &file);

// The absolute, clean path in lower case: how the library's message names a
// file it cannot open.
QString missingPath(QString const &directory, QString const &file);

// The existing file or directory that the library's resolution finds for
// path when path itself does not exist (the one match without regard to
// letter case, component by component); empty otherwise.
QString pathIgnoringCase(QString const &path);

#endif // DALINSPECT_LINT_TREEPATHS_H
