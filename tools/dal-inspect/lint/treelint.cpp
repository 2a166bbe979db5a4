#include "treelint.h"

#include "filelint.h"
#include "valuecheck.h"

#include <QDir>
#include <QFileInfo>

TreeLint::TreeLint(QString const &root)
    : m_root(root)
    , m_sink(&m_findings)
{
}

bool TreeLint::lint(QString const &kindId, QString const &path, Parsed *parsed)
{
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (m_done.contains(absolute))
        return false;
    m_done.insert(absolute);
    if (!parsed->tree.load(absolute)) {
        if (!Vocabulary::fileKind(kindId).readByCheck)
            m_sink.add(QStringLiteral("xml-error"), absolute, parsed->tree.errorLine(), parsed->tree.errorColumn(),
                       QStringLiteral("the file %1").arg(parsed->tree.error()));
        return false;
    }
    parsed->entries = lintFile(Vocabulary::fileKind(kindId), parsed->tree, m_sink);
    return true;
}

void TreeLint::atDevice(QString const &rule, QString const &message)
{
    const auto place = m_deviceNamed.constFind(m_sink.device());
    if (place == m_deviceNamed.cend())
        m_sink.add(rule, QString(), 0, 0, message);
    else
        m_sink.add(rule, place->file, place->line, place->column, message);
}

int TreeLint::firstChild(XmlTree const &tree, int element, char const *name, char const *why)
{
    const int named = tree.child(element, QLatin1String(name));
    if (named >= 0 && (tree.at(element).children.first() != named || !tree.at(element).firstNodeIsElement))
        m_sink.at(tree, named, QStringLiteral("misplaced-element"),
                  QStringLiteral("<%1> must come first in <%2>: %3").arg(name, tree.at(element).name, why));
    return named;
}

void TreeLint::lintDeviceList()
{
    m_sink.setDevice(QString());
    m_sink.setReader(QStringLiteral("deviceList"));
    Parsed list;
    if (!lint(QStringLiteral("device_list"), m_root + QStringLiteral("device_list.xml"), &list))
        return;
    const XmlTree &tree = list.tree;
    QStringList devices;
    QHash<QString, int> deviceNames;
    for (int device = 0; device < tree.size(); ++device) {
        if (!list.entries.at(device) || list.entries.at(device)->name != QLatin1String("Device"))
            continue;
        const int named = firstChild(tree, device, "DeviceName", "a device is found by the text of its first element");
        if (named >= 0) {
            devices << tree.at(named).text.trimmed();
            deviceNames.insert(devices.last(), named);
        }
    }
    QStringList listed;
    for (int group = 0; group < tree.size(); ++group) {
        if (!list.entries.at(group) || list.entries.at(group)->name != QLatin1String("DeviceGroup"))
            continue;
        firstChild(tree, group, "GroupName", "a group's name is read from its first node");
        const QString groupName = tree.childText(group, QStringLiteral("GroupName"));
        for (int member : tree.children(group, QStringLiteral("DeviceName"))) {
            const QString name = tree.at(member).text.trimmed();
            if (name.isEmpty())
                continue;
            listed << name;
            if (!m_deviceNamed.contains(name))
                m_deviceNamed.insert(name, {tree.path(), tree.at(member).line, tree.at(member).column, name});
            if (!devices.contains(name))
                m_sink.at(tree, member, QStringLiteral("unknown-reference"),
                          QStringLiteral("group \"%1\" lists \"%2\", which has no <Device> element%3")
                              .arg(groupName, name, didYouMean(name, devices)));
        }
    }
    for (const QString &device : qAsConst(devices)) {
        if (!device.isEmpty() && !listed.contains(device))
            m_sink.at(tree, deviceNames.value(device), QStringLiteral("unlisted-device"),
                      QStringLiteral("device \"%1\" is listed in no group, so the host does not offer it").arg(device));
    }
}

void TreeLint::lintSharedFiles(QStringList const &devices)
{
    m_sink.setDevice(QString());
    m_sink.setReader(QStringLiteral("packet"));
    const QDir packets(m_root + QStringLiteral("packet"));
    for (const QString &name : packets.entryList(QStringList(QStringLiteral("*.xml")), QDir::Files, QDir::Name)) {
        const QString path = packets.absoluteFilePath(name);
        if (name != name.toLower())
            m_sink.add(QStringLiteral("case-only"), path, 0, 0,
                       QStringLiteral("the packet is asked for as packet/%1 (its name in lower case) and found "
                                      "without regard to letter case")
                           .arg(name.toLower()));
        Parsed packet;
        if (lint(QStringLiteral("packet"), path, &packet))
            checkPacket(packet.tree, packet.entries, m_sink);
    }

    m_sink.setReader(QStringLiteral("targets"));
    Parsed targets;
    const QString targetsFile = m_root + QStringLiteral("targets/targets.xml");
    if (QFileInfo(targetsFile).isFile() && lint(QStringLiteral("targets"), targetsFile, &targets)) {
        QStringList entries;
        for (int target : targets.tree.all(QStringLiteral("Target"))) {
            const QString file = targets.tree.at(target).text.trimmed();
            if (!targets.entries.at(target) || file.isEmpty())
                continue;
            const int parent = targets.tree.at(target).parent;
            const XmlTree::Attribute *virtualName = targets.tree.attribute(parent, QStringLiteral("name"));
            entries << (targets.tree.at(parent).name == QLatin1String("VirtualTarget") && virtualName
                            ? file + QLatin1Char(':') + virtualName->value
                            : file);
            const QString path = m_root + QStringLiteral("targets/") + file;
            Parsed board;
            if (!QFileInfo(path).isFile())
                m_sink.at(targets.tree, target, QStringLiteral("missing-file"),
                          QStringLiteral("target file \"%1\" does not exist").arg(file));
            else
                lint(QStringLiteral("target"), path, &board);
        }
        const int fallback = targets.tree.all(QStringLiteral("Default")).value(0, -1);
        const QString chosen = fallback < 0 ? QString() : targets.tree.at(fallback).text.trimmed();
        if (!chosen.isEmpty() && !entries.contains(chosen))
            m_sink.at(targets.tree, fallback, QStringLiteral("unknown-reference"),
                      QStringLiteral("default \"%1\" is none of the targets (file, or file:name of a virtual "
                                     "target)%2")
                          .arg(chosen, didYouMean(chosen, entries)));
    }

    m_sink.setReader(QStringLiteral("uiTranslation"));
    Parsed names;
    if (QFileInfo(m_root + QStringLiteral("ui_translation.xml")).isFile())
        lint(QStringLiteral("ui_translation"), m_root + QStringLiteral("ui_translation.xml"), &names);

    m_sink.setReader(QStringLiteral("codeGen"));
    for (const QString &device : devices) {
        m_sink.setDevice(device);
        Parsed comments;
        const QString path = m_root + device.toLower() + QStringLiteral("/codegen.xml");
        if (QFileInfo(path).isFile())
            lint(QStringLiteral("codegen"), path, &comments);
    }
}
