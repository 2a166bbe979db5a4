// The files a device's readers read, in the order their names are needed:
// the command definitions and parameters first, then the files that name
// them.

#include "treelint.h"

#include "treepaths.h"

#include <QFileInfo>

using namespace Vocabulary;

void TreeLint::lintDeviceFiles(QHash<QString, QStringList> const &files)
{
    auto each = [&](char const *kindId, auto check) {
        const FileKind &kind = fileKind(QLatin1String(kindId));
        m_sink.setReader(kind.reader);
        for (const QString &path : files.value(kind.id)) {
            Parsed parsed;
            if (lint(kind.id, path, &parsed))
                check(parsed);
        }
    };
    each("rf_command_definitions", [&](Parsed const &p) { m_commands = readCommandTable(p.tree, p.entries, m_sink); });
    QStringList parameters;
    bool haveParameters = false;
    each("param_definition", [&](Parsed const &p) {
        parameters = readParameters(p.tree, p.entries, m_sink);
        haveParameters = true;
    });
    each("param_cmd_mapping", [&](Parsed const &p) {
        checkMapping(p.tree, p.entries, haveParameters ? &parameters : nullptr, m_commands, m_sink);
    });
    m_sink.setReader(QStringLiteral("settings"));
    for (const QString &path : files.value(QStringLiteral("categories")))
        lintSettings(path);
    each("pasettings", [&](Parsed const &p) {
        checkCommandNames(p.tree, p.entries, m_commands, m_sink);
        checkRanges(p.tree, p.entries, QStringLiteral("RfDesign"), m_sink);
    });
    each("frontend_settings", [&](Parsed const &p) {
        checkCommandNames(p.tree, p.entries, m_commands, m_sink);
        checkRanges(p.tree, p.entries, QStringLiteral("FrontEnd"), m_sink);
    });
    auto nothingMore = [](Parsed const &) {};
    each("device_description", nothingMore);
    each("radio_par_definitions", nothingMore);
    each("overrides", nothingMore);
    each("device_definition", nothingMore);
    each("io_pins", [&](Parsed const &p) { checkIoPins(p.tree, p.entries, m_sink); });
    each("io_registers", nothingMore);
}

// categories.xml, its setting files and their test-function files, all
// relative to the directory of categories.xml.
void TreeLint::lintSettings(QString const &categories)
{
    Parsed catalogue;
    if (!lint(QStringLiteral("categories"), categories, &catalogue))
        return;
    const XmlTree &tree = catalogue.tree;
    checkDefaults(tree, catalogue.entries, m_sink);
    for (int category = 0; category < tree.size(); ++category) {
        if (!catalogue.entries.at(category) || catalogue.entries.at(category)->name != QLatin1String("Category"))
            continue;
        QHash<QString, QString> namedBy; // setting name -> the setting file that has it
        for (int setting : tree.children(category, QStringLiteral("Setting"))) {
            const QString file = tree.at(setting).text.trimmed();
            const QString path = file.isEmpty() ? QString() : openedPath(m_settingsDirectory, file);
            if (path.isEmpty()) {
                if (!file.isEmpty())
                    missingFile(tree, setting, m_settingsDirectory, QStringLiteral("setting file"), file);
                continue;
            }
            lintSettingFile(path);
            const Place name = m_settingNames.value(path);
            const QString other = namedBy.value(name.text);
            if (name.text.isEmpty() || other == file)
                continue;
            if (other.isEmpty())
                namedBy.insert(name.text, file);
            else
                m_sink.add(QStringLiteral("duplicate"), name.file, name.line, name.column,
                           QStringLiteral("setting name \"%1\" is the name of %2 too, in category \"%3\"")
                               .arg(name.text, other, tree.childText(category, QStringLiteral("Name"))));
        }
    }
}

// A setting file once, however many categories list it: its commands, its
// name and its test-function files.
void TreeLint::lintSettingFile(QString const &path)
{
    Parsed parsed;
    if (!lint(QStringLiteral("setting"), path, &parsed))
        return;
    const XmlTree &tree = parsed.tree;
    checkCommandNames(tree, parsed.entries, m_commands, m_sink);
    Place name;
    for (int element : tree.all(QStringLiteral("Name"))) {
        if (parsed.entries.at(element) && tree.at(tree.at(element).parent).name == QLatin1String("setting"))
            name = {path, tree.at(element).line, tree.at(element).column, tree.at(element).text.trimmed()};
    }
    m_settingNames.insert(path, name);
    for (int function : tree.all(QStringLiteral("TestFunc"))) {
        for (int named : tree.at(function).children) {
            const QString file = tree.at(named).text.trimmed();
            if (!parsed.entries.at(named) || file.isEmpty())
                continue;
            const QString tfPath = openedPath(m_settingsDirectory, file);
            if (tfPath.isEmpty())
                missingFile(tree, named, m_settingsDirectory, QStringLiteral("test-function file"), file);
            else
                lintCommandFile(QStringLiteral("test_function"), tfPath);
        }
    }
}

void TreeLint::missingFile(XmlTree const &tree, int element, QString const &directory, QString const &what,
                           QString const &file)
{
    const QString other = pathIgnoringCase(directory + QLatin1Char('/') + file);
    if (!other.isEmpty()) {
        m_sink.at(tree, element, QStringLiteral("case-only"),
                  QStringLiteral("%1 \"%2\" is found only as \"%3\", without regard to letter case")
                      .arg(what, file, other));
        return;
    }
    m_sink.at(tree, element, QStringLiteral("missing-file"),
              QStringLiteral("%1 \"%2\" does not exist").arg(what, file));
    m_located.insert(missingPath(directory, file));
}

void TreeLint::lintCommandFile(QString const &kindId, QString const &path)
{
    Parsed parsed;
    if (lint(kindId, path, &parsed))
        checkCommandNames(parsed.tree, parsed.entries, m_commands, m_sink);
}
