#ifndef DALINSPECT_LINT_TREELINT_H
#define DALINSPECT_LINT_TREELINT_H

#include "contentchecks.h"
#include "finding.h"
#include "vocabulary.h"
#include "xmltree.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// The linter of "dal-inspect check": finds the files of a configuration tree
// the way the library does and checks each against its vocabulary and the
// names the files share. The working directory must be the one the tree's
// relative paths resolve in.
class TreeLint
{
public:
    explicit TreeLint(QString const &root); // absolute, with a trailing "/"

    // device_list.xml: groups against devices.
    void lintDeviceList();
    // device_config.xml of the device and every file it leads to.
    void lintDevice(QString const &device);
    // Files of no single device: packet formats, targets, UI names; and the
    // code-generation comments of each device.
    void lintSharedFiles(QStringList const &devices);

    QList<Finding> const &findings() const { return m_findings; }
    // Files whose failure to open a finding of the linter locates, so that the
    // library's message about it adds nothing.
    QSet<QString> const &locatedFiles() const { return m_located; }
    int fileCount() const { return m_done.size(); }

private:
    struct Parsed
    {
        XmlTree tree;
        Entries entries;
    };

    // Parses and lints a file once; false when it was linted before or does
    // not parse (a file the library reads reports that itself; one the host
    // parses gets an xml-error).
    bool lint(QString const &kindId, QString const &path, Parsed *parsed);
    // The child of that name, which the reader needs as the element's first node.
    int firstChild(XmlTree const &tree, int element, char const *name, char const *why);
    // Where device_list.xml names the device, for findings about its files.
    void atDevice(QString const &rule, QString const &message);

    // devicelint.cpp: device_config.xml, its directories, and the files it
    // leads to, by kind.
    QHash<QString, QStringList> lintDeviceConfig(Parsed const &config);
    // The file the entry names, when it is there.
    QString checkFileEntry(XmlTree const &config, int path, QString const &directory, QString const &key);
    QStringList checkDirectoryEntry(XmlTree const &config, int path, QString const &directory,
                                    Vocabulary::FileKind const &kind, bool dedicated);
    void lintDeviceFiles(QHash<QString, QStringList> const &files);
    void lintSettings(QString const &categories);
    void lintSettingFile(QString const &path);
    void lintCommandFile(QString const &kindId, QString const &path);
    // A file named by element that does not exist, or only in another letter case.
    void missingFile(XmlTree const &tree, int element, QString const &directory, QString const &what,
                     QString const &file);

    QString m_root;
    QList<Finding> m_findings;
    FindingSink m_sink;
    QSet<QString> m_located;
    QSet<QString> m_done;
    struct Place
    {
        QString file;
        int line = 0;
        int column = 0;
        QString text;
    };
    QHash<QString, Place> m_deviceNamed; // where device_list.xml lists each device
    QHash<QString, Place> m_settingNames; // setting file -> its name, and where it stands
    CommandTable m_commands;
    QString m_settingsDirectory; // the directory device_config.xml gives for categories.xml
};

#endif // DALINSPECT_LINT_TREELINT_H
