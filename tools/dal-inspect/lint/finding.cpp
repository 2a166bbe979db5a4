#include "finding.h"

#include "xmltree.h"

QList<Rule> const &checkRules()
{
    static const QList<Rule> rules{
        {"reader-message", Finding::Error, "A message the library recorded while reading the file, as a host sees it."},
        {"xml-error", Finding::Error, "A file the host parses itself is not well-formed XML."},
        {"unknown-element", Finding::Error,
         "An element no reader reads where it stands; a near miss of a known name is named."},
        {"unknown-attribute", Finding::Error,
         "An attribute the reader does not read; a near miss of a known name is named."},
        {"misplaced-element", Finding::Error,
         "A known element where the reader does not look for it, or after the one it takes."},
        {"missing-element", Finding::Error, "A required element whose absence the reader does not report."},
        {"missing-attribute", Finding::Error, "A required attribute whose absence the reader does not report."},
        {"repeated-element", Finding::Error, "An element of which only the first is read."},
        {"bad-value", Finding::Error, "A value the library reads as 0, empty or a default without a message."},
        {"duplicate", Finding::Error, "Two entries with one name: lookups never find one of them."},
        {"overlapping-range", Finding::Warning, "Frequency ranges that overlap: the first in the file wins."},
        {"unknown-reference", Finding::Error, "A name that ties files together and points at nothing."},
        {"unknown-file-key", Finding::Error, "A file= key of device_config.xml that no reader asks for."},
        {"empty-path", Finding::Error, "A path of device_config.xml without a directory."},
        {"missing-directory", Finding::Error, "A directory device_config.xml names does not exist."},
        {"empty-directory", Finding::Error, "A PA or override directory without a file of its pattern."},
        {"missing-file", Finding::Error, "A file the tree names does not exist."},
        {"pattern-mismatch", Finding::Error, "A file in a PA or override directory that its reader skips."},
        {"case-only", Finding::Warning, "A file that is found only without regard to letter case."},
        {"unlisted-device", Finding::Warning, "A Device element that no group lists."},
    };
    return rules;
}

QString severityName(Finding::Severity severity)
{
    return severity == Finding::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

void FindingSink::add(QString const &rule, QString const &file, int line, int column, QString const &message)
{
    Finding finding;
    finding.file = file;
    finding.line = line;
    finding.column = column;
    finding.rule = rule;
    finding.message = message;
    finding.device = m_device;
    finding.reader = m_reader;
    for (const Rule &known : checkRules()) {
        if (rule == QLatin1String(known.id))
            finding.severity = known.severity;
    }
    m_findings->append(finding);
}

void FindingSink::at(XmlTree const &tree, int element, QString const &rule, QString const &message,
                     QString const &attribute)
{
    const XmlTree::Attribute *found = attribute.isEmpty() ? nullptr : tree.attribute(element, attribute);
    if (found)
        add(rule, tree.path(), found->line, found->column, message);
    else
        add(rule, tree.path(), tree.at(element).line, tree.at(element).column, message);
}

QString quoted(QString const &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
