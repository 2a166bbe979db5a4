#include "filelint.h"

#include "valuecheck.h"

#include <QHash>

using namespace Vocabulary;

namespace {

QString tag(QString const &name)
{
    return QLatin1Char('<') + name + QLatin1Char('>');
}

QString readsAs(QString const &defaultValue)
{
    return defaultValue.isEmpty() ? QStringLiteral("empty") : defaultValue;
}

class FileLint
{
public:
    FileLint(FileKind const &kind, XmlTree const &tree, FindingSink &sink)
        : m_kind(kind)
        , m_tree(tree)
        , m_sink(sink)
        , m_entries(tree.size(), nullptr)
    {
    }

    QVector<Element const *> run()
    {
        resolve();
        for (int i = 0; i < m_tree.size(); ++i) {
            if (m_entries.at(i)) {
                checkAttributes(i);
                checkText(i);
                checkChildren(i);
            }
        }
        for (const Unique &unique : m_kind.unique)
            checkUnique(unique);
        return m_entries;
    }

private:
    // The root may carry any name; one that names an element of the kind
    // (a setting file whose root is <setting>) is read as that element.
    void resolve()
    {
        const QList<Element const *> named = m_kind.named(m_tree.at(0).name);
        m_entries[0] = named.isEmpty() || named.contains(&m_kind.root()) ? &m_kind.root() : named.first();
        for (int i = 1; i < m_tree.size(); ++i) {
            const XmlTree::Element &element = m_tree.at(i);
            const Element *parent = m_entries.at(element.parent);
            if (!parent)
                continue;
            if ((m_entries[i] = m_kind.find(element.name, parent->name)))
                continue;
            const QList<Element const *> candidates = m_kind.named(element.name);
            if (candidates.isEmpty()) {
                QString near = didYouMean(element.name, m_kind.childNames(parent->name), "<", ">");
                if (near.isEmpty())
                    near = didYouMean(element.name, allNames(), "<", ">");
                m_sink.at(m_tree, i, "unknown-element",
                          QStringLiteral("%1 is not read in %2%3").arg(tag(element.name), tag(parent->name), near));
                continue;
            }
            QStringList places;
            for (const Element *candidate : candidates) {
                for (const QString &place : candidate->parents)
                    places << tag(place);
            }
            m_sink.at(m_tree, i, "misplaced-element",
                      QStringLiteral("%1 is not read in %2: it belongs in %3")
                          .arg(tag(element.name), tag(parent->name), places.join(QStringLiteral(" or "))));
            m_entries[i] = candidates.first();
        }
    }

    QStringList allNames() const
    {
        QStringList names;
        for (const Element &element : m_kind.elements)
            names << element.name;
        return names;
    }

    void checkAttributes(int index)
    {
        const Element &entry = *m_entries.at(index);
        const XmlTree::Element &element = m_tree.at(index);
        for (const XmlTree::Attribute &attribute : element.attributes) {
            if (attribute.name.startsWith(QLatin1String("xmlns")) || attribute.name.startsWith(QLatin1String("xml:")))
                continue;
            const Attribute *known = entry.attribute(attribute.name);
            if (!known) {
                QStringList names;
                for (const Attribute &candidate : entry.attributes)
                    names << candidate.name;
                m_sink.at(m_tree, index, "unknown-attribute",
                          QStringLiteral("attribute \"%1\" of %2 is not read%3")
                              .arg(attribute.name, tag(element.name), didYouMean(attribute.name, names)),
                          attribute.name);
                continue;
            }
            const QString problem = valueProblem(known->type, known->flags, attribute.value, known->keywords);
            if (!problem.isEmpty())
                m_sink.at(m_tree, index, "bad-value",
                          QStringLiteral("\"%1\" of %2 %3").arg(attribute.name, tag(element.name), problem),
                          attribute.name);
        }
        for (const Attribute &known : entry.attributes) {
            if ((known.flags & Required) && !(known.flags & ReaderMissing) && !m_tree.attribute(index, known.name))
                m_sink.at(m_tree, index, "missing-attribute",
                          QStringLiteral("%1 has no \"%2\" attribute: it reads as %3")
                              .arg(tag(element.name), known.name, readsAs(known.defaultValue)));
        }
    }

    void checkText(int index)
    {
        const Element &entry = *m_entries.at(index);
        if (entry.type == Type::None || entry.type == Type::Directory || entry.type == Type::PacketNumber)
            return;
        const QString problem = valueProblem(entry.type, entry.flags, m_tree.at(index).text, entry.keywords);
        if (!problem.isEmpty())
            m_sink.at(m_tree, index, "bad-value", tag(m_tree.at(index).name) + QLatin1Char(' ') + problem);
    }

    void checkChildren(int index)
    {
        const Element &entry = *m_entries.at(index);
        for (const Element &child : m_kind.elements) {
            if (!child.parents.contains(entry.name))
                continue;
            const QVector<int> found = m_tree.children(index, child.name);
            if (found.isEmpty()) {
                if ((child.flags & Required) && !(child.flags & ReaderMissing))
                    m_sink.at(m_tree, index, "missing-element",
                              QStringLiteral("%1 has no %2: it reads as %3")
                                  .arg(tag(entry.name), tag(child.name), readsAs(child.defaultValue)));
                continue;
            }
            if (child.flags & Once) {
                for (int i = 1; i < found.size(); ++i)
                    m_sink.at(m_tree, found.at(i), "repeated-element",
                              QStringLiteral("only the first %1 in %2 is read, the one on line %3")
                                  .arg(tag(child.name), tag(entry.name))
                                  .arg(m_tree.at(found.first()).line));
            }
            if (child.flags & FirstBelow) {
                const int taken = m_tree.descendants(index, child.name).value(0, -1);
                if (taken != found.first())
                    m_sink.at(m_tree, found.first(), "misplaced-element",
                              QStringLiteral("%1 is not read: the first %1 below %2 is taken, the one on line %3 "
                                             "inside %4")
                                  .arg(tag(child.name), tag(entry.name))
                                  .arg(m_tree.at(taken).line)
                                  .arg(tag(m_tree.at(m_tree.at(taken).parent).name)));
            }
        }
    }

    // Where a name stands: its attribute, its child element or itself.
    void keyOf(Unique const &unique, int element, QString *key, int *at, QString *attribute) const
    {
        *at = element;
        if (unique.key.startsWith(QLatin1Char('@'))) {
            *attribute = unique.key.mid(1);
            const XmlTree::Attribute *found = m_tree.attribute(element, *attribute);
            *key = found ? found->value : QString();
        } else if (unique.key == QLatin1String(".")) {
            *key = m_tree.at(element).text.trimmed();
        } else {
            *at = m_tree.child(element, unique.key);
            *key = *at < 0 ? QString() : m_tree.at(*at).text.trimmed();
        }
    }

    void checkUnique(Unique const &unique)
    {
        QHash<QString, int> seen; // scope and name -> the element that holds the name
        for (int i = 0; i < m_tree.size(); ++i) {
            if (!m_entries.at(i) || m_tree.at(i).name != unique.element)
                continue;
            QString key;
            QString attribute;
            int at = i;
            keyOf(unique, i, &key, &at, &attribute);
            if (key.isEmpty())
                continue;
            const QString scoped = (unique.inFile ? QString() : QString::number(m_tree.at(i).parent)) + '/' + key;
            const auto earlier = seen.constFind(scoped);
            if (earlier == seen.cend()) {
                seen.insert(scoped, at);
            } else if (unique.laterReplaces) {
                m_sink.at(m_tree, *earlier, "duplicate",
                          QStringLiteral("%1 \"%2\" is defined again on line %3, which replaces this one")
                              .arg(unique.what, key)
                              .arg(m_tree.at(at).line),
                          attribute);
                seen.insert(scoped, at);
            } else {
                m_sink.at(m_tree, at, "duplicate",
                          QStringLiteral("%1 \"%2\" is defined already on line %3, which lookups find first")
                              .arg(unique.what, key)
                              .arg(m_tree.at(*earlier).line),
                          attribute);
            }
        }
    }

    FileKind const &m_kind;
    XmlTree const &m_tree;
    FindingSink &m_sink;
    QVector<Element const *> m_entries;
};

} // namespace

QVector<Element const *> lintFile(FileKind const &kind, XmlTree const &tree, FindingSink &sink)
{
    return FileLint(kind, tree, sink).run();
}
