#ifndef DALXMLWRITER_H
#define DALXMLWRITER_H

#include "dal_export.h"

#include <QObject>
#include <QString>

class QXmlStreamWriter;

/**
 * Builds one XML document in memory, element by element, and hands back the
 * finished text. The text is what QXmlStreamWriter writes into a QString with
 * automatic formatting and an indent of 4 spaces: the declaration with version
 * 1.0 (no encoding), one element per line, content and attribute values
 * escaped, empty elements in the short form and a line feed at the end.
 *
 * The caller keeps the nesting: every openSubTag needs its closeSubTag.
 * getXmlText closes the root element and ends the document on its first call
 * (elements still open are closed with it) and afterwards returns the same
 * text; anything written after that lands outside the finished document.
 *
 * The target pointer given to the constructor is kept as given and not used.
 */
class DAL_EXPORT DALXmlWriter : public QObject
{
    Q_OBJECT

public:
    /// Writes the XML declaration and opens the root element @p rootTag; @p target is kept, not used.
    DALXmlWriter(QString const &rootTag, QString *target);
    /// Deletes the stream writer.
    ~DALXmlWriter() override;

    /// Opens a child element of the element now open.
    void openSubTag(QString const &name);
    /// Adds an attribute to the element just opened, before any of its content.
    void addTagAttr(QString const &name, QString const &value);
    /// Writes @p text, escaped, as content of the open element.
    void setTagValue(QString const &text);
    /// Writes @p text as one CDATA section.
    void setTagCdata(QString const &text);
    /// Closes the element now open.
    void closeSubTag();
    /// Writes the element @p name with the content @p text in one call.
    void addSubTag(QString const &name, QString const &text);
    /// Ends the document on the first call and returns its text (the same text on every call).
    QString &getXmlText();

private:
    QString m_rootTag;
    QXmlStreamWriter *m_pWriter;
    QString m_xmlText;
    QString *m_pTarget;
    bool m_closed;
};

#endif // DALXMLWRITER_H
