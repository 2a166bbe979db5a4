#include "xmltree.h"

#include "xmldecoding_p.h"

#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

const qint64 kLargestFile = 16 * 1024 * 1024;

bool isNameEnd(QChar c)
{
    return c.isSpace() || c == QLatin1Char('=') || c == QLatin1Char('/') || c == QLatin1Char('>');
}

} // namespace

bool XmlTree::load(QString const &path)
{
    m_path = path;
    m_elements.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot be opened");
        return false;
    }
    if (file.size() > kLargestFile) {
        m_error = QStringLiteral("is larger than 16 MiB");
        return false;
    }
    // The characters the library reads: positions are counted in them.
    m_text = DALXmlDecoding::decode(file.readAll());
    if (m_text.contains(QLatin1String("<!ENTITY"))) {
        m_error = QStringLiteral("declares entities");
        return false;
    }
    m_lineStarts = {0};
    for (int i = 0; i < m_text.size(); ++i) {
        if (m_text.at(i) == QLatin1Char('\n'))
            m_lineStarts.append(i + 1);
    }

    QXmlStreamReader reader(m_text);
    QVector<int> open;
    QVector<bool> firstNodeSeen;
    auto sawNode = [&](bool isElement) {
        if (open.isEmpty() || firstNodeSeen.last())
            return;
        firstNodeSeen.last() = true;
        m_elements[open.last()].firstNodeIsElement = isElement;
    };
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            sawNode(true);
            const int tagEnd = int(reader.characterOffset());
            int tagStart = tagEnd - 1;
            while (tagStart > 0 && m_text.at(tagStart) != QLatin1Char('<'))
                --tagStart;
            Element element;
            element.name = reader.qualifiedName().toString();
            element.parent = open.isEmpty() ? -1 : open.last();
            position(tagStart, &element.line, &element.column);
            for (const QXmlStreamAttribute &attribute : reader.attributes())
                element.attributes.append({attribute.qualifiedName().toString(), attribute.value().toString(), 0, 0});
            readAttributePositions(tagStart, tagEnd, &element);
            if (element.parent >= 0)
                m_elements[element.parent].children.append(m_elements.size());
            open.append(m_elements.size());
            firstNodeSeen.append(false);
            m_elements.append(element);
            break;
        }
        case QXmlStreamReader::EndElement:
            open.removeLast();
            firstNodeSeen.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (open.isEmpty())
                break;
            if (!reader.isWhitespace())
                sawNode(false);
            m_elements[open.last()].text += reader.text();
            break;
        case QXmlStreamReader::Comment:
        case QXmlStreamReader::ProcessingInstruction:
        case QXmlStreamReader::EntityReference:
            sawNode(false);
            break;
        default:
            break;
        }
    }
    if (reader.hasError()) {
        m_error = QStringLiteral("is not well-formed: ") + reader.errorString();
        m_errorLine = int(reader.lineNumber());
        m_errorColumn = int(reader.columnNumber());
        m_elements.clear();
        return false;
    }
    return !m_elements.isEmpty();
}

void XmlTree::position(int offset, int *line, int *column) const
{
    const auto next = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), offset);
    const int index = int(next - m_lineStarts.cbegin()) - 1;
    *line = index + 1;
    *column = offset - m_lineStarts.at(index) + 1;
}

// Attribute names within "<name a="1" b='2'>": the stream reader gives the
// values but not where each one stands.
void XmlTree::readAttributePositions(int tagStart, int tagEnd, Element *element) const
{
    int i = tagStart + 1;
    while (i < tagEnd && !isNameEnd(m_text.at(i)))
        ++i;
    while (i < tagEnd) {
        while (i < tagEnd && m_text.at(i).isSpace())
            ++i;
        if (i >= tagEnd || m_text.at(i) == QLatin1Char('/') || m_text.at(i) == QLatin1Char('>'))
            return;
        const int nameStart = i;
        while (i < tagEnd && !isNameEnd(m_text.at(i)))
            ++i;
        const QString name = m_text.mid(nameStart, i - nameStart);
        while (i < tagEnd && m_text.at(i) != QLatin1Char('"') && m_text.at(i) != QLatin1Char('\''))
            ++i;
        if (i >= tagEnd)
            return;
        const QChar quote = m_text.at(i);
        i = m_text.indexOf(quote, i + 1);
        if (i < 0 || i >= tagEnd)
            return;
        ++i;
        for (Attribute &attribute : element->attributes) {
            if (attribute.name == name && attribute.line == 0)
                position(nameStart, &attribute.line, &attribute.column);
        }
    }
}

XmlTree::Attribute const *XmlTree::attribute(int element, QString const &name) const
{
    for (const Attribute &attribute : m_elements.at(element).attributes) {
        if (attribute.name == name)
            return &attribute;
    }
    return nullptr;
}

QVector<int> XmlTree::children(int element, QString const &name) const
{
    QVector<int> result;
    for (int child : m_elements.at(element).children) {
        if (m_elements.at(child).name == name)
            result.append(child);
    }
    return result;
}

int XmlTree::child(int element, QString const &name) const
{
    for (int child : m_elements.at(element).children) {
        if (m_elements.at(child).name == name)
            return child;
    }
    return -1;
}

QString XmlTree::childText(int element, QString const &name) const
{
    const int found = child(element, name);
    return found < 0 ? QString() : m_elements.at(found).text.trimmed();
}

QVector<int> XmlTree::descendants(int element, QString const &name) const
{
    QVector<int> result;
    for (int i = element + 1; i < m_elements.size(); ++i) {
        int up = m_elements.at(i).parent;
        while (up > element)
            up = m_elements.at(up).parent;
        if (up != element)
            break; // elements are stored in document order: the subtree has ended
        if (m_elements.at(i).name == name)
            result.append(i);
    }
    return result;
}

QVector<int> XmlTree::all(QString const &name) const
{
    QVector<int> result;
    for (int i = 0; i < m_elements.size(); ++i) {
        if (m_elements.at(i).name == name)
            result.append(i);
    }
    return result;
}
