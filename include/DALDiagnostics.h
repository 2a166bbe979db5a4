#ifndef DALDIAGNOSTICS_H
#define DALDIAGNOSTICS_H

#include "dal_export.h"

#include <QList>
#include <QString>

/**
 * Where each message of the error list comes from.
 *
 * For every message appended to DALCommon's error list there is one
 * Diagnostic, in the same order: the list of diagnostics always has as many
 * entries as the error list, and DALCommon::clearErrorList() empties both.
 * A diagnostic carries the message's error code and text (exactly as in the
 * error list) and, where the library knows them, the absolute path of the
 * file at fault and the 1-based line and column of the element or attribute
 * at fault. A file that cannot be opened has a path but line and column 0; a
 * message about no file (an unknown name in a lookup, a message the host
 * records itself) has an empty path. A host can show "file:line: text" to its
 * user with it.
 *
 * Positions are those of the start of the element's start tag ("<"), or of
 * the attribute's name, in the file's characters after decoding; a document
 * that the host parsed and handed over is named by what it describes (for
 * example "IO pin definitions") and has line numbers only where its parser
 * kept them.
 *
 * The list is process-wide, like the error list, and used from one thread at
 * a time.
 */
class DAL_EXPORT DALDiagnostics
{
public:
    /// One message of the error list and where it comes from.
    struct Diagnostic
    {
        int code = 0;   ///< The error code the message was recorded with; 0 for a message recorded without one.
        QString text;   ///< The message, exactly as in the error list.
        QString file;   ///< Absolute path of the file at fault; empty when there is none.
        int line = 0;   ///< 1-based line of the element or attribute at fault; 0 when there is none.
        int column = 0; ///< 1-based column of it; 0 when there is none.
    };

    /// One entry per message of DALCommon::getErrorList(), in the same order.
    static QList<Diagnostic> const &getDiagnostics();

    /// "file:line:column: text" (or "file: text" without a line, or the text alone without a file).
    static QString toString(Diagnostic const &diagnostic);
};

#endif // DALDIAGNOSTICS_H
