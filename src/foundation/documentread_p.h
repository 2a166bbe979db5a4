#ifndef DAL_DOCUMENTREAD_P_H
#define DAL_DOCUMENTREAD_P_H

#include <QDomNode>
#include <QString>

class DALElementTree;
class DALTreeElement;
#include <QVector>

// One read of a document: from the moment a reader has the document until it
// has its records. A reader keeps a DocumentRead alive while it walks the
// document; it gives the read two things. Internal to the library.
//
// Where messages come from. Messages recorded while the read is active (see
// report_p.h) name its file and the position of the node at fault.
//
// A cost bound. The readers collect elements by name at any depth, and for
// each element collected they collect again below it; when elements of one
// kind are nested in each other, every level repeats the work of the levels
// inside it, and a file of a few hundred kilobytes can ask for billions of
// steps and gigabytes of records. The walking helpers of domutil_p.h charge
// the active read for every node they visit and every element they return.
// The allowance is a multiple of the document's own size, far above what any
// sound configuration needs; once it is spent the helpers find nothing more,
// the read ends quickly, and the failure is recorded as a parse failure of
// the document (code 2): "<file>, line <line>: \n<reason>".
//
// Reads nest (a setting file is read while categories.xml is): the innermost
// one is charged and names the file.
class DocumentRead
{
public:
    // For the document the library's loader read last: the read names its file.
    explicit DocumentRead(QDomNode const &document);
    explicit DocumentRead(DALElementTree const &tree);
    // For a document the host parsed: the read names it by what it holds
    // ("IO pin definitions").
    DocumentRead(QDomNode const &document, QString const &name);
    ~DocumentRead();
    DocumentRead(DocumentRead const &) = delete;
    DocumentRead &operator=(DocumentRead const &) = delete;

    // The innermost active read, or null.
    static DocumentRead *current();

    // Whether the allowance was spent: the records read are incomplete.
    bool exhausted() const { return m_left < 0; }
    qint64 remaining() const { return m_left; }

    // Charges the innermost read cost steps spent at node; false when its
    // allowance is (or becomes) spent. Without an active read, always true.
    static bool charge(qint64 cost, QDomNode const &node);
    static bool charge(qint64 cost, DALTreeElement const &node);

    // The absolute path of the file read, or the name of a host's document;
    // messages name the file by the path built from the name asked for
    // (they differ where the name resolved without regard to case).
    QString const &file() const { return m_file; }

    // The 1-based line and column where node's start tag begins, or where
    // its attribute's name does; 0 and 0 when unknown.
    void positionOf(QDomNode const &node, QString const &attribute, int *line, int *column) const;
    void positionOf(DALTreeElement const &node, QString const &attribute, int *line, int *column) const;

private:
    // charge() for either kind of node.
    template <typename Node>
    static bool chargeAt(qint64 cost, Node const &node);
    // The position of an element the parser placed at line and column.
    void positionAt(int line, int column, QString const &attribute, int *outLine, int *outColumn) const;
    // The file's decoded text and where its lines start, read again for the
    // first position asked: reads that report nothing never pay for them.
    bool loadSource() const;

    qint64 m_left;
    QString m_name;
    QString m_file;
    bool m_fromFile;
    DocumentRead *m_outer;
    mutable bool m_sourceLoaded = false;
    mutable QString m_source;
    mutable QVector<int> m_lineStarts;
};

#endif // DAL_DOCUMENTREAD_P_H
