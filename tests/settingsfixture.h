#ifndef DAL_TEST_SETTINGSFIXTURE_H
#define DAL_TEST_SETTINGSFIXTURE_H

#include "fixturetree.h"

#include "DALRfCmdSettings.h"

#include <QFileInfo>
#include <QStringList>

#include <memory>

// Fixtures of the suites around the command settings: command XML, command
// records written as text and read back as text, and a device with a
// command-settings reader.

inline QByteArray commandXml(QByteArray const &name, QByteArray const &fields = QByteArray())
{
    return "<Command name=\"" + name + "\">" + fields + "</Command>";
}

inline QByteArray fieldXml(QByteArray const &name, QByteArray const &value)
{
    return "<Field name=\"" + name + "\">" + value + "</Field>";
}

// A command of one field.
inline QByteArray commandXml(QByteArray const &name, QByteArray const &field, QByteArray const &value)
{
    return commandXml(name, fieldXml(field, value));
}

// A command from "name=value" fields, "!" after the value clearing
// tfOverride; blocks are filed under overrideName.
inline DALRfCmdSettings::Command command(QString const &name, QStringList const &fields,
                                         QString const &overrideName = QString(),
                                         QStringList const &blocks = QStringList())
{
    DALRfCmdSettings::Command c;
    c.name = name;
    for (const QString &field : fields) {
        DALRfCmdSettings::CmdField f;
        f.name = field.section('=', 0, 0);
        f.value = field.section('=', 1);
        f.tfOverride = !f.value.endsWith('!');
        f.value.remove('!');
        c.fields.append(f);
    }
    c.overrideField.name = overrideName;
    for (const QString &block : blocks) {
        c.overrideField.blocks.append(block);
        c.overrideField.overrideMap.addOverrideIndex(overrideName, c.overrideField.blocks.size() - 1);
    }
    return c;
}

// "name=value" per field, "!" marking a field whose tfOverride is false.
inline QStringList fieldTexts(DALRfCmdSettings::Command const &command)
{
    QStringList result;
    for (const DALRfCmdSettings::CmdField &field : command.fields)
        result.append(field.name + "=" + field.value + (field.tfOverride ? "" : "!"));
    return result;
}

// The names of a command list, in order.
inline QStringList commandNames(QList<DALRfCmdSettings::Command> const &commands)
{
    QStringList result;
    for (const DALRfCmdSettings::Command &command : commands)
        result.append(command.name);
    return result;
}

// "NAME(f=1,g=2!)" per command.
inline QStringList describe(QList<DALRfCmdSettings::Command> const &commands)
{
    QStringList result;
    for (const DALRfCmdSettings::Command &c : commands)
        result.append(c.name + "(" + fieldTexts(c).join(',') + ")");
    return result;
}

// The command settings of device VO4725, read now.
inline DALRfCmdSettings readCmdSettings()
{
    QString device = QStringLiteral("VO4725");
    return DALRfCmdSettings(device);
}

// Device VO4725 mapping files to dir, where categories.xml holds only a
// Default element, and a command-settings reader built on it; valid when
// the reader reported nothing. write() and absolute() take names in dir.
class CmdSettingsTree
{
public:
    explicit CmdSettingsTree(QStringList const &files = {"categories.xml"},
                             QString const &dir = QStringLiteral("vo4725"))
        : m_dir(dir + '/')
    {
        m_ok = m_tree.writeDeviceConfig(QStringLiteral("VO4725"), files, dir)
               && write(QStringLiteral("categories.xml"), "<R><Default/></R>");
        QString device = QStringLiteral("VO4725");
        m_cmdSettings.reset(new DALRfCmdSettings(device));
        m_ok = m_ok && m_cmdSettings->getStatus() == 0;
    }
    bool isValid() const { return m_ok; }
    bool write(QString const &name, QByteArray const &content) const { return m_tree.write(m_dir + name, content); }
    QString directory() const { return m_tree.path(m_dir); }
    QString absolute(QString const &name) const { return QFileInfo(m_tree.path(m_dir + name)).absoluteFilePath(); }
    DALRfCmdSettings *cmdSettings() const { return m_cmdSettings.get(); }
    FixtureTree &tree() { return m_tree; }

private:
    FixtureTree m_tree;
    QString m_dir;
    std::unique_ptr<DALRfCmdSettings> m_cmdSettings;
    bool m_ok = false;
};

#endif // DAL_TEST_SETTINGSFIXTURE_H
