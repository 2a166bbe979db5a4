#ifndef DAL_ELEMENTTREE_P_H
#define DAL_ELEMENTTREE_P_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

class QDomNode;
class DALElementTree;

// A read-only element of a DALElementTree, with the few QDomElement calls
// the readers make and the same answers: readers written against one can be
// instantiated for the other. A null element answers like a null QDomElement.
class DALTreeElement
{
public:
    DALTreeElement() = default;
    DALTreeElement(DALElementTree const *tree, int index) : m_tree(tree), m_index(index) {}

    bool isNull() const { return !m_tree; }
    bool isElement() const;
    bool isDocument() const { return m_tree && m_index == 0; }
    DALTreeElement toElement() const { return isElement() ? *this : DALTreeElement(); }
    QString tagName() const;
    bool hasAttribute(QString const &name) const;
    QString attribute(QString const &name, QString const &defaultValue = QString()) const;
    DALTreeElement firstChildElement(QString const &tagName = QString()) const;
    DALTreeElement nextSiblingElement(QString const &tagName = QString()) const;
    // The text of every text node below, in document order (QDomElement::text).
    QString text() const;
    // The first element named tagName below this one, in document order.
    DALTreeElement firstElementByTagName(QString const &tagName) const;
    // Elements named tagName below this one, in document order.
    QVector<DALTreeElement> elementsByTagName(QString const &tagName) const;
    // Nodes below this one (elements and text).
    int countBelow() const;
    // Where the parser placed the element (see DALElementTree); 0 for none.
    int lineNumber() const;
    int columnNumber() const;

    DALElementTree const *tree() const { return m_tree; }
    int index() const { return m_index; }
    bool operator==(DALTreeElement const &other) const { return m_tree == other.m_tree && m_index == other.m_index; }

private:
    DALElementTree const *m_tree = nullptr;
    int m_index = 0;
};

// A parsed document kept as compact arrays: elements and text in document
// order, every subtree one contiguous range. It costs a fraction of a DOM
// tree to build, walk and free, which matters for the thousands of small
// setting files a device holds. Internal to the library.
//
// Two ways to build one, with the same result:
// - readPlain() parses the text with QXmlStreamReader. It takes only plain
//   documents: elements and attributes with ASCII names, text without
//   references or line ends, comments and processing instructions, line
//   ends as LF or CR LF. It declines (returns false) any other document (a
//   document type, a CDATA section, a reference, a name the two parsers
//   read differently, a carriage return alone) and one with a fault, which
//   then goes to Qt's DOM parser, whose rules and messages are the library's.
// - fromDocument() copies a parsed DOM document.
// Both place an element where its start tag ends, as Qt's DOM does (the
// column of its ">" or of the "/" before it).
class DALElementTree
{
public:
    bool readPlain(QString const &text);
    void fromDocument(QDomNode const &document);

    // Room for a document of about this many nodes.
    void reserve(qint64 nodes);
    // Short values and texts are taken from (and added to) strings, which
    // the trees of one read share: records built from many files then hold
    // one copy of each name and value. strings must outlive the building.
    void shareStrings(QSet<QString> *strings) { m_strings = strings; }

    DALTreeElement document() const { return DALTreeElement(this, 0); }
    // Every element, one line each in document order: depth, name, attributes
    // by name, text. Two trees of one document describe alike.
    QString describe() const;
    qint64 nodes() const { return m_entries.size() - 1; }

private:
    friend class DALTreeElement;

    enum Kind : quint8 { Document, Element, Text };
    struct Entry
    {
        Kind kind = Document;
        int name = -1;  // element: index in m_names
        int end = 1;    // one past the last entry below
        int next = -1;  // next sibling, -1 for the last
        int first = 0;  // element: first attribute; text: index in m_texts
        int count = 0;  // element: number of attributes
        int line = 0;
        int column = 0;
    };
    struct Attribute
    {
        int name;
        QString value;
    };

    void clear();
    int nameIndex(QString const &name);
    QString shared(QString const &value);
    // Opens an element or adds a text below the innermost open element.
    int append(Entry const &entry);
    void close();

    QVector<Entry> m_entries;
    QVector<Attribute> m_attributes;
    QVector<QString> m_texts;
    QVector<QString> m_names;
    QHash<QString, int> m_nameIndex;
    QVector<int> m_open; // the root, then every element not yet closed
    QVector<int> m_last; // the last child of each open entry, -1 for none
    QSet<QString> *m_strings = nullptr;
};

#endif // DAL_ELEMENTTREE_P_H
