#ifndef DALINSPECT_CHECK_CHECKOUTPUT_H
#define DALINSPECT_CHECK_CHECKOUTPUT_H

#include "finding.h"
#include "rootchoice.h"

#include <QList>
#include <QString>

class Report;

// What "dal-inspect check" found, and how it renders it: lines as compilers
// print them, a JSON document, or a SARIF 2.1.0 log for code scanning.
struct CheckResult
{
    RootChoice root;
    QList<Finding> findings; // sorted by file and position
    int devices = 0;
    int files = 0;
    int errors = 0;
    int warnings = 0;
};

// Sorts the findings, drops repeated ones and counts them.
void settle(CheckResult *result);

// "checking /root/ ..." naming how the root was chosen.
QString rootLine(CheckResult const &result);
// "path:line:column: error: message [rule]", the path relative to the
// directory dal-inspect was started in when it lies inside it.
QString findingLine(Finding const &finding, QString const &startDirectory);
// "check: 2 devices, 31 files, 1 error, 0 warnings".
QString summaryLine(CheckResult const &result);

// root, rootOrigin, findings (file, line, column, severity, rule, message,
// device, reader), summary and the empty errors list of every document.
Report jsonReport(CheckResult const &result);
QString sarifLog(CheckResult const &result);

#endif // DALINSPECT_CHECK_CHECKOUTPUT_H
