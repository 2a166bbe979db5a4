#ifndef DALXMLWRITER_H
#define DALXMLWRITER_H

#include "dal_export.h"

#include <QObject>
#include <QString>

class QXmlStreamWriter;

/*
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
    DALXmlWriter(QString const &rootTag, QString *target);
    ~DALXmlWriter() override;

    void openSubTag(QString const &name);
    void addTagAttr(QString const &name, QString const &value);
    void setTagValue(QString const &text);
    void setTagCdata(QString const &text);
    void closeSubTag();
    void addSubTag(QString const &name, QString const &text);
    QString &getXmlText();

private:
    QString m_rootTag;
    QXmlStreamWriter *m_pWriter;
    QString m_xmlText;
    QString *m_pTarget;
    bool m_closed;
};

#endif // DALXMLWRITER_H
