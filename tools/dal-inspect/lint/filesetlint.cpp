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
    const QString directory = m_settingsDirectory; // setting files resolve as the reader resolves them
    for (int category = 0; category < tree.size(); ++category) {
        if (!catalogue.entries.at(category) || catalogue.entries.at(category)->name != QLatin1String("Category"))
            continue;
        QHash<QString, QString> namedBy; // setting name -> the setting file that has it
        for (int setting : tree.children(category, QStringLiteral("Setting"))) {
            const QString file = tree.at(setting).text.trimmed();
            if (file.isEmpty())
                continue;
            const QString path = openedPath(directory, file);
            if (path.isEmpty()) {
                missingFile(tree, setting, directory, QStringLiteral("setting file"), file);
                continue;
            }
            Parsed parsed;
            if (!lint(QStringLiteral("setting"), path, &parsed)) {
                if (!m_settingNames.contains(path))
                    continue;
            } else {
                checkCommandNames(parsed.tree, parsed.entries, m_commands, m_sink);
                int nameElement = -1;
                for (int element : parsed.tree.all(QStringLiteral("Name"))) {
                    if (parsed.entries.at(element)
                        && parsed.tree.at(parsed.tree.at(element).parent).name == QLatin1String("setting"))
                        nameElement = element;
                }
                m_settingNames.insert(path,
                                      nameElement < 0 ? Place()
                                                      : Place{path, parsed.tree.at(nameElement).line,
                                                              parsed.tree.at(nameElement).column});
                m_settingNameText.insert(path,
                                         nameElement < 0 ? QString() : parsed.tree.at(nameElement).text.trimmed());
                for (int function : parsed.tree.all(QStringLiteral("TestFunc"))) {
                    for (int named : parsed.tree.at(function).children) {
                        const QString tfFile = parsed.tree.at(named).text.trimmed();
                        if (!parsed.entries.at(named) || tfFile.isEmpty())
                            continue;
                        const QString tfPath = openedPath(directory, tfFile);
                        if (tfPath.isEmpty())
                            missingFile(parsed.tree, named, directory, QStringLiteral("test-function file"), tfFile);
                        else
                            lintCommandFile(QStringLiteral("test_function"), tfPath);
                    }
                }
            }
            const QString name = m_settingNameText.value(path);
            if (name.isEmpty())
                continue;
            if (namedBy.contains(name) && namedBy.value(name) != file) {
                const Place place = m_settingNames.value(path);
                m_sink.add(QStringLiteral("duplicate"), place.file, place.line, place.column,
                           QStringLiteral("setting name \"%1\" is the name of %2 too, in category \"%3\"")
                               .arg(name, namedBy.value(name), tree.childText(category, QStringLiteral("Name"))));
            } else if (!namedBy.contains(name)) {
                namedBy.insert(name, file);
            }
        }
    }
}

void TreeLint::missingFile(XmlTree const &tree, int element, QString const &directory, QString const &what,
                           QString const &file)
{
    const QString other = pathIgnoringCase(directory + QLatin1Char('/') + file);
    if (!other.isEmpty()) {
        m_sink.at(tree, element, QStringLiteral("case-only"),
                  QStringLiteral("%1 \"%2\" is found only as \"%3\", a spelling that works on a case-insensitive "
                                 "file system only")
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
