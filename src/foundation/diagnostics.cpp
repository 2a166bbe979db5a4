#include "DALDiagnostics.h"

#include "DALCommon.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

namespace {

QList<DALDiagnostics::Diagnostic> s_diagnostics;

struct Location
{
    bool set = false;
    QString file;
    int line = 0;
    int column = 0;
};
Location s_next;

template <typename Node>
void locateAt(Node const &node, QString const &attribute)
{
    const DocumentRead *read = DocumentRead::current();
    if (!read)
        return;
    int line = 0;
    int column = 0;
    read->positionOf(node, attribute, &line, &column);
    DALReport::locate(read->file(), line, column);
}

template <typename Node>
void errorAt(int code, QString const &text, Node const &node, QString const &attribute)
{
    locateAt(node, attribute);
    DALCommon::setError(code, text);
    s_next = Location(); // also when code 0 recorded nothing
}

template <typename Node>
void messageAt(QString const &text, Node const &node, QString const &attribute)
{
    locateAt(node, attribute);
    DALCommon::setError(text);
    s_next = Location();
}

} // namespace

QList<DALDiagnostics::Diagnostic> const &DALDiagnostics::getDiagnostics()
{
    return s_diagnostics;
}

QString DALDiagnostics::toString(Diagnostic const &diagnostic)
{
    if (diagnostic.file.isEmpty())
        return diagnostic.text;
    if (diagnostic.line <= 0)
        return diagnostic.file + QStringLiteral(": ") + diagnostic.text;
    return QStringLiteral("%1:%2:%3: %4")
        .arg(diagnostic.file, QString::number(diagnostic.line), QString::number(diagnostic.column), diagnostic.text);
}

namespace DALReport {

void locate(QString const &file, int line, int column)
{
    s_next.set = true;
    s_next.file = file;
    s_next.line = line;
    s_next.column = column;
}

void locateAtLastFile()
{
    if (!s_diagnostics.isEmpty())
        locate(s_diagnostics.last().file, 0, 0);
}

void error(int code, QString const &text, QDomNode const &node, QString const &attribute)
{
    errorAt(code, text, node, attribute);
}

int fail(int code, QString const &text, QDomNode const &node, QString const &attribute)
{
    errorAt(code, text, node, attribute);
    return -1;
}

void error(int code, QString const &text, DALTreeElement const &node, QString const &attribute)
{
    errorAt(code, text, node, attribute);
}

int fail(int code, QString const &text, DALTreeElement const &node, QString const &attribute)
{
    errorAt(code, text, node, attribute);
    return -1;
}

void message(QString const &text, QDomNode const &node, QString const &attribute)
{
    messageAt(text, node, attribute);
}

void message(QString const &text, DALTreeElement const &node, QString const &attribute)
{
    messageAt(text, node, attribute);
}

QDomNode within(QDomNode const &element, QString const &tag)
{
    const QDomElement child = DALDom::firstElementByTagName(element, tag);
    return child.isNull() ? element : QDomNode(child);
}

DALTreeElement within(DALTreeElement const &element, QString const &tag)
{
    const DALTreeElement child = DALDom::firstElementByTagName(element, tag);
    return child.isNull() ? element : child;
}

void appended(int code, QString const &text)
{
    DALDiagnostics::Diagnostic diagnostic;
    diagnostic.code = code;
    diagnostic.text = text;
    if (s_next.set) {
        diagnostic.file = s_next.file;
        diagnostic.line = s_next.line;
        diagnostic.column = s_next.column;
    } else if (const DocumentRead *read = DocumentRead::current()) {
        diagnostic.file = read->file();
    }
    s_next = Location();
    s_diagnostics.append(diagnostic);
}

void cleared()
{
    s_diagnostics.clear();
    s_next = Location();
}

} // namespace DALReport
