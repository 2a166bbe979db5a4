#include "elementtree_p.h"

#include <QDomDocument>
#include <QDomNamedNodeMap>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

// --- building ----------------------------------------------------------

void DALElementTree::clear()
{
    m_entries.clear();
    m_attributes.clear();
    m_texts.clear();
    m_names.clear();
    m_nameIndex.clear();
    m_open.clear();
    m_last.clear();
    m_entries.append(Entry()); // the document
    m_open.append(0);
    m_last.append(-1);
}

int DALElementTree::nameIndex(QString const &name)
{
    const auto known = m_nameIndex.constFind(name);
    if (known != m_nameIndex.constEnd())
        return *known;
    m_names.append(name);
    m_nameIndex.insert(name, m_names.size() - 1);
    return m_names.size() - 1;
}

QString DALElementTree::shared(QString const &value)
{
    // Longer strings are rarely repeated; the lookup would not pay.
    constexpr int kLongest = 32;
    if (!m_strings || value.size() > kLongest)
        return value;
    return *m_strings->insert(value);
}

void DALElementTree::reserve(qint64 nodes)
{
    const int entries = int(std::min<qint64>(std::max<qint64>(nodes + 1, 0), qint64(1) << 22));
    m_entries.reserve(entries);
    m_attributes.reserve(entries / 2);
    m_texts.reserve(entries / 2);
}

int DALElementTree::append(Entry const &entry)
{
    const int index = m_entries.size();
    m_entries.append(entry);
    int &last = m_last.last();
    if (last >= 0)
        m_entries[last].next = index;
    last = index;
    if (entry.kind == Element) {
        m_open.append(index);
        m_last.append(-1);
    }
    return index;
}

void DALElementTree::close()
{
    m_entries[m_open.takeLast()].end = m_entries.size();
    m_last.removeLast();
}

namespace {

// A string of its own size: the stream reader's views can cover the whole of
// a reused buffer, which toString() would share with its spare capacity.
template <typename View>
QString compact(View const &view)
{
    return QString(view.constData(), int(view.size()));
}

// Qt 5's DOM parser and the stream reader differ on the characters of
// names (the stream reader takes "}" and U+FFFD in element, attribute and
// processing-instruction names, the other does not). Plain
// names are the ones both read alike: an ASCII letter or "_", then letters,
// digits, "_", "-", "." and ":".
template <typename View>
bool isPlainName(View const &view)
{
    const auto letter = [](ushort c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (view.isEmpty() || !letter(view.at(0).unicode()))
        return false;
    return std::all_of(view.begin() + 1, view.end(), [&letter](QChar q) {
        const ushort c = q.unicode();
        return letter(c) || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == ':';
    });
}

} // namespace

bool DALElementTree::readPlain(QString const &text)
{
    clear();
    if (text.contains(QLatin1Char('&')))
        return false;
    // A carriage return alone ends a line for the stream reader, not for Qt
    // 5's DOM parser: positions would differ.
    for (int at = text.indexOf(QLatin1Char('\r')); at >= 0; at = text.indexOf(QLatin1Char('\r'), at + 1)) {
        if (at + 1 == text.size() || text.at(at + 1) != QLatin1Char('\n'))
            return false;
    }
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (!isPlainName(reader.qualifiedName()))
                return false;
            Entry entry;
            entry.kind = Element;
            entry.name = nameIndex(compact(reader.qualifiedName()));
            entry.line = int(reader.lineNumber());
            entry.column = int(reader.columnNumber());
            entry.first = m_attributes.size();
            const QXmlStreamAttributes attributes = reader.attributes();
            entry.count = attributes.size();
            for (const QXmlStreamAttribute &attribute : attributes) {
                if (!isPlainName(attribute.qualifiedName()))
                    return false;
                m_attributes.append({nameIndex(compact(attribute.qualifiedName())), shared(compact(attribute.value()))});
            }
            append(entry);
            break;
        }
        case QXmlStreamReader::EndElement:
            close();
            break;
        case QXmlStreamReader::Characters: {
            if (reader.isCDATA())
                return false;
            if (reader.isWhitespace())
                break; // the DOM parsers drop white space between elements
            // A line end in text may have been a CR LF, which the stream
            // reader turns into LF (text such as "x>" fools the quick check
            // of the loader).
            if (reader.text().contains(QLatin1Char('\n')))
                return false;
            Entry entry;
            entry.kind = Text;
            entry.first = m_texts.size();
            m_texts.append(shared(compact(reader.text())));
            append(entry);
            break;
        }
        case QXmlStreamReader::ProcessingInstruction:
            if (!isPlainName(reader.processingInstructionTarget()))
                return false;
            break;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
        case QXmlStreamReader::Invalid:
            return false;
        default:
            break; // the declaration, comments, processing instructions
        }
    }
    if (reader.hasError() || m_open.size() != 1)
        return false;
    m_entries[0].end = m_entries.size();
    return true;
}

void DALElementTree::fromDocument(QDomNode const &document)
{
    clear();
    // Elements and their text, as QDomElement::text and elementsByTagName
    // see them; other nodes (comments, processing instructions) are left out.
    QDomNode current = document.firstChild();
    while (!current.isNull()) {
        bool descend = false;
        if (current.isElement()) {
            Entry entry;
            entry.kind = Element;
            entry.name = nameIndex(current.nodeName());
            entry.line = current.lineNumber();
            entry.column = current.columnNumber();
            entry.first = m_attributes.size();
            const QDomNamedNodeMap attributes = current.attributes();
            entry.count = attributes.count();
            for (int i = 0; i < attributes.count(); ++i) {
                const QDomNode attribute = attributes.item(i);
                m_attributes.append({nameIndex(attribute.nodeName()), shared(attribute.nodeValue())});
            }
            append(entry);
            descend = current.hasChildNodes();
            if (!descend)
                close();
        } else if (current.isText() || current.isCDATASection()) {
            Entry entry;
            entry.kind = Text;
            entry.first = m_texts.size();
            m_texts.append(shared(current.nodeValue()));
            append(entry);
        }
        if (descend) {
            current = current.firstChild();
            continue;
        }
        while (current.nextSibling().isNull()) {
            current = current.parentNode();
            if (current.isNull() || current == document)
                break;
            close();
        }
        current = current.isNull() || current == document ? QDomNode() : current.nextSibling();
    }
    m_entries[0].end = m_entries.size();
    m_open.resize(1);
    m_last.resize(1);
}

QString DALElementTree::describe() const
{
    QString out;
    QVector<int> ends;
    for (int i = 1; i < m_entries.size(); ++i) {
        while (!ends.isEmpty() && ends.last() <= i)
            ends.removeLast();
        const Entry &entry = m_entries.at(i);
        if (entry.kind != Element)
            continue;
        QStringList attributes;
        for (int a = entry.first; a < entry.first + entry.count; ++a)
            attributes.append(m_names.at(m_attributes.at(a).name) + QLatin1Char('=') + m_attributes.at(a).value);
        attributes.sort();
        out += QStringLiteral("%1<%2 %3>%4\n")
                   .arg(QString(ends.size(), QLatin1Char(' ')), m_names.at(entry.name),
                        attributes.join(QLatin1Char(' ')), DALTreeElement(this, i).text());
        ends.append(entry.end);
    }
    return out;
}

// --- reading -----------------------------------------------------------

bool DALTreeElement::isElement() const
{
    return m_tree && m_tree->m_entries.at(m_index).kind == DALElementTree::Element;
}

QString DALTreeElement::tagName() const
{
    return isElement() ? m_tree->m_names.at(m_tree->m_entries.at(m_index).name) : QString();
}

bool DALTreeElement::hasAttribute(QString const &name) const
{
    if (!isElement())
        return false;
    const auto &entry = m_tree->m_entries.at(m_index);
    for (int i = entry.first; i < entry.first + entry.count; ++i) {
        if (m_tree->m_names.at(m_tree->m_attributes.at(i).name) == name)
            return true;
    }
    return false;
}

QString DALTreeElement::attribute(QString const &name, QString const &defaultValue) const
{
    if (!isElement())
        return defaultValue;
    const auto &entry = m_tree->m_entries.at(m_index);
    for (int i = entry.first; i < entry.first + entry.count; ++i) {
        const auto &attribute = m_tree->m_attributes.at(i);
        if (m_tree->m_names.at(attribute.name) == name)
            return attribute.value;
    }
    return defaultValue;
}

namespace {

// The first element from index on along the sibling chain named tagName
// (any name when tagName is empty).
template <typename Entries, typename Names>
int elementFrom(Entries const &entries, Names const &names, int index, QString const &tagName, int kindElement)
{
    for (; index >= 0; index = entries.at(index).next) {
        const auto &entry = entries.at(index);
        if (entry.kind == kindElement && (tagName.isEmpty() || names.at(entry.name) == tagName))
            return index;
    }
    return -1;
}

} // namespace

DALTreeElement DALTreeElement::firstChildElement(QString const &tagName) const
{
    if (!m_tree)
        return DALTreeElement();
    const auto &entries = m_tree->m_entries;
    const int child = m_index + 1 < entries.at(m_index).end ? m_index + 1 : -1;
    const int found = elementFrom(entries, m_tree->m_names, child, tagName, DALElementTree::Element);
    return found < 0 ? DALTreeElement() : DALTreeElement(m_tree, found);
}

DALTreeElement DALTreeElement::nextSiblingElement(QString const &tagName) const
{
    if (!m_tree || m_index == 0)
        return DALTreeElement();
    const auto &entries = m_tree->m_entries;
    const int found = elementFrom(entries, m_tree->m_names, entries.at(m_index).next, tagName, DALElementTree::Element);
    return found < 0 ? DALTreeElement() : DALTreeElement(m_tree, found);
}

QString DALTreeElement::text() const
{
    if (!m_tree)
        return QString();
    const auto &entries = m_tree->m_entries;
    QString text;
    for (int i = m_index + 1; i < entries.at(m_index).end; ++i) {
        if (entries.at(i).kind == DALElementTree::Text)
            text += m_tree->m_texts.at(entries.at(i).first); // the first is shared, not copied
    }
    return text;
}

DALTreeElement DALTreeElement::firstElementByTagName(QString const &tagName) const
{
    if (!m_tree)
        return DALTreeElement();
    const int name = m_tree->m_nameIndex.value(tagName, -1);
    const auto &entries = m_tree->m_entries;
    for (int i = m_index + 1; name >= 0 && i < entries.at(m_index).end; ++i) {
        if (entries.at(i).kind == DALElementTree::Element && entries.at(i).name == name)
            return DALTreeElement(m_tree, i);
    }
    return DALTreeElement();
}

QVector<DALTreeElement> DALTreeElement::elementsByTagName(QString const &tagName) const
{
    QVector<DALTreeElement> found;
    if (!m_tree)
        return found;
    const bool any = tagName == QLatin1String("*");
    const int name = m_tree->m_nameIndex.value(tagName, -1);
    if (name < 0 && !any)
        return found;
    const auto &entries = m_tree->m_entries;
    for (int i = m_index + 1; i < entries.at(m_index).end; ++i) {
        if (entries.at(i).kind == DALElementTree::Element && (any || entries.at(i).name == name))
            found.append(DALTreeElement(m_tree, i));
    }
    return found;
}

int DALTreeElement::countBelow() const
{
    return m_tree ? m_tree->m_entries.at(m_index).end - m_index - 1 : 0;
}

int DALTreeElement::lineNumber() const
{
    return m_tree ? m_tree->m_entries.at(m_index).line : 0;
}

int DALTreeElement::columnNumber() const
{
    return m_tree ? m_tree->m_entries.at(m_index).column : 0;
}
