#ifndef DALINSPECT_LINT_CONTENTCHECKS_H
#define DALINSPECT_LINT_CONTENTCHECKS_H

// What one file means beyond its vocabulary: the names it defines for other
// files, the names it takes from them, and ranges that hide each other.
// Every check takes the file with the vocabulary entries lintFile() gave
// its elements and looks only at elements known where they stand.

#include "finding.h"
#include "vocabulary.h"
#include "xmltree.h"

#include <QHash>
#include <QStringList>
#include <QVector>

using Entries = QVector<Vocabulary::Element const *>;

// The commands of rf_command_definitions.xml with their field names
// ("field" and "field.bitfield"). Also reports a field name given twice in
// one command, the group's common fields included.
struct CommandTable
{
    bool known = false;
    QStringList commands;
    QHash<QString, QStringList> fields;
};
CommandTable readCommandTable(XmlTree const &tree, Entries const &entries, FindingSink &sink);

// Commands and fields of a setting, test-function, PA or front-end file that
// the command definitions lack.
void checkCommandNames(XmlTree const &tree, Entries const &entries, CommandTable const &table, FindingSink &sink);

// The parameters of param_definition.xml, and the parameters its
// dependencies follow.
QStringList readParameters(XmlTree const &tree, Entries const &entries, FindingSink &sink);

// Parameter names and commands of param_cmd_mapping.xml that nothing defines.
void checkMapping(XmlTree const &tree, Entries const &entries, QStringList const *parameters, CommandTable const &table,
                  FindingSink &sink);

// DefCategory and DefSetting of categories.xml.
void checkDefaults(XmlTree const &tree, Entries const &entries, FindingSink &sink);

// Frequency ranges of one RF design (element "RfDesign", by name) or one front
// end ("FrontEnd") that hold no frequency or overlap an earlier one; and the
// commands of a front end with ranges that stand outside all of them.
void checkRanges(XmlTree const &tree, Entries const &entries, QString const &owner, FindingSink &sink);

// Pins that inherit from a pin not defined before them; name translations
// that are not "old:new".
void checkIoPins(XmlTree const &tree, Entries const &entries, FindingSink &sink);

// A packet file: exactly one packet, numbers in the base of their field.
void checkPacket(XmlTree const &tree, Entries const &entries, FindingSink &sink);

#endif // DALINSPECT_LINT_CONTENTCHECKS_H
