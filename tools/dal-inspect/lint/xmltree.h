#ifndef DALINSPECT_LINT_XMLTREE_H
#define DALINSPECT_LINT_XMLTREE_H

#include <QString>
#include <QVector>

// A configuration file parsed for the linter: every element with its
// attributes, its own text and where it stands. Positions are the ones the
// library reports too: 1-based line and column of the "<" of an element's
// start tag, or of the first character of an attribute's name, counted in
// the file's characters after decoding.
class XmlTree
{
public:
    struct Attribute
    {
        QString name;
        QString value;
        int line = 0;
        int column = 0;
    };

    struct Element
    {
        QString name;
        int line = 0;
        int column = 0;
        int parent = -1;
        QVector<Attribute> attributes;
        QVector<int> children; // child elements, in document order
        QString text; // the character data directly inside it
        bool firstNodeIsElement = false; // its first child node, white space aside, is an element
    };

    // Reads and parses the file; false when it cannot be read, is not
    // well-formed, or holds what the library's loader refuses (entity
    // declarations, more than 16 MiB). error() then says why.
    bool load(QString const &path);

    QString const &path() const { return m_path; }
    QString const &error() const { return m_error; }
    int errorLine() const { return m_errorLine; }
    int errorColumn() const { return m_errorColumn; }

    int size() const { return m_elements.size(); }
    Element const &at(int index) const { return m_elements.at(index); }

    // The attribute of that name, or null.
    Attribute const *attribute(int element, QString const &name) const;
    // Child elements of that name, in document order.
    QVector<int> children(int element, QString const &name) const;
    // The first child element of that name, or -1.
    int child(int element, QString const &name) const;
    // The trimmed text of the first child element of that name.
    QString childText(int element, QString const &name) const;
    // Elements of that name anywhere below element, in document order.
    QVector<int> descendants(int element, QString const &name) const;
    // Elements of that name anywhere in the document, in document order.
    QVector<int> all(QString const &name) const;

private:
    void position(int offset, int *line, int *column) const;
    void readAttributePositions(int tagStart, int tagEnd, Element *element) const;

    QString m_path;
    QString m_text;
    QVector<int> m_lineStarts;
    QVector<Element> m_elements;
    QString m_error;
    int m_errorLine = 0;
    int m_errorColumn = 0;
};

#endif // DALINSPECT_LINT_XMLTREE_H
