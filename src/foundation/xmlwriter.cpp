#include "DALXmlWriter.h"

#include <QXmlStreamWriter>

DALXmlWriter::DALXmlWriter(QString const &rootTag, QString *target)
    : QObject(nullptr)
    , m_rootTag(rootTag)
    , m_pWriter(nullptr)
    , m_pTarget(target)
    , m_closed(false)
{
    m_pWriter = new QXmlStreamWriter(&m_xmlText);
    m_pWriter->setAutoFormatting(true);
    m_pWriter->setAutoFormattingIndent(4);
    m_pWriter->writeStartDocument(QStringLiteral("1.0"));
    m_pWriter->writeStartElement(m_rootTag);
}

DALXmlWriter::~DALXmlWriter()
{
    delete m_pWriter;
}

void DALXmlWriter::openSubTag(QString const &name)
{
    m_pWriter->writeStartElement(name);
}

void DALXmlWriter::addTagAttr(QString const &name, QString const &value)
{
    m_pWriter->writeAttribute(name, value);
}

void DALXmlWriter::setTagValue(QString const &text)
{
    m_pWriter->writeCharacters(text);
}

void DALXmlWriter::setTagCdata(QString const &text)
{
    m_pWriter->writeCDATA(text);
}

void DALXmlWriter::closeSubTag()
{
    m_pWriter->writeEndElement();
}

void DALXmlWriter::addSubTag(QString const &name, QString const &text)
{
    m_pWriter->writeTextElement(name, text);
}

QString &DALXmlWriter::getXmlText()
{
    if (!m_closed) {
        m_pWriter->writeEndElement();
        m_pWriter->writeEndDocument();
        m_closed = true;
    }
    return m_xmlText;
}
