#ifndef DALINSPECT_LINT_FINDING_H
#define DALINSPECT_LINT_FINDING_H

#include <QList>
#include <QString>

class XmlTree;

// One mistake in a configuration tree: the rule it breaks and where it is.
struct Finding
{
    enum Severity { Error, Warning };

    QString file; // absolute path; empty when no file is at fault
    int line = 0; // 1-based; 0 when the finding is about the whole file
    int column = 0;
    Severity severity = Error;
    QString rule;
    QString message;
    QString device; // the device whose files hold it; empty for the tree's own files
    QString reader; // the reader (or host document) of the file
};

// "error" or "warning".
QString severityName(Finding::Severity severity);

// text in double quotes, as findings name values and names.
QString quoted(QString const &text);

// The rules of "dal-inspect check", in the order of their documentation.
struct Rule
{
    char const *id;
    Finding::Severity severity;
    char const *summary;
};
QList<Rule> const &checkRules();

// Collects findings for one device and reader; every finding gets the
// severity of its rule.
class FindingSink
{
public:
    explicit FindingSink(QList<Finding> *findings)
        : m_findings(findings)
    {
    }

    void setDevice(QString const &device) { m_device = device; }
    void setReader(QString const &reader) { m_reader = reader; }
    QString const &device() const { return m_device; }

    void add(QString const &rule, QString const &file, int line, int column, QString const &message);
    // At an element of the tree, or at its attribute when one is named (and present).
    void at(XmlTree const &tree, int element, QString const &rule, QString const &message,
            QString const &attribute = QString());

private:
    QList<Finding> *m_findings;
    QString m_device;
    QString m_reader;
};

#endif // DALINSPECT_LINT_FINDING_H
