#include "DALXmlWriter.h"

#include <QXmlStreamWriter>
#include <QtTest>

#include <functional>

class TestDALXmlWriter : public QObject
{
    Q_OBJECT

private slots:
    void emptyDocument();
    void matchesStreamWriter_data();
    void matchesStreamWriter();
    void getXmlTextTwice();
    void writingAfterClose();
    void unbalancedNesting();
    void metaObject();
};

namespace {

// The reference: Qt's writer set up the way DALXmlWriter documents it.
struct Reference
{
    QString text;
    QXmlStreamWriter writer{&text};
    explicit Reference(QString const &root)
    {
        writer.setAutoFormatting(true);
        writer.setAutoFormattingIndent(4);
        writer.writeStartDocument(QStringLiteral("1.0"));
        writer.writeStartElement(root);
    }
    QString finish()
    {
        writer.writeEndElement();
        writer.writeEndDocument();
        return text;
    }
};

using Script = std::function<void(DALXmlWriter &, QXmlStreamWriter &)>;

} // namespace

Q_DECLARE_METATYPE(Script)

void TestDALXmlWriter::emptyDocument()
{
    DALXmlWriter writer(QStringLiteral("Settings"), nullptr);
    QCOMPARE(writer.getXmlText(), QStringLiteral("<?xml version=\"1.0\"?>\n<Settings/>\n"));
}

void TestDALXmlWriter::matchesStreamWriter_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<QString>("literal"); // expected text when given

    QTest::newRow("escaped content")
        << Script([](DALXmlWriter &w, QXmlStreamWriter &r) {
               w.addSubTag("Name", "a<b & c>d");
               r.writeTextElement("Name", "a<b & c>d");
           })
        << QStringLiteral("<?xml version=\"1.0\"?>\n<Settings>\n    <Name>a&lt;b &amp; c&gt;d</Name>\n</Settings>\n");
    QTest::newRow("nested with attributes")
        << Script([](DALXmlWriter &w, QXmlStreamWriter &r) {
               w.openSubTag("Category");
               w.addTagAttr("name", "Tx \"main\" & <more>");
               w.openSubTag("Setting");
               w.addTagAttr("id", "1");
               w.setTagValue("value");
               w.closeSubTag();
               w.openSubTag("Empty");
               w.closeSubTag();
               w.closeSubTag();
               r.writeStartElement("Category");
               r.writeAttribute("name", "Tx \"main\" & <more>");
               r.writeStartElement("Setting");
               r.writeAttribute("id", "1");
               r.writeCharacters("value");
               r.writeEndElement();
               r.writeStartElement("Empty");
               r.writeEndElement();
               r.writeEndElement();
           })
        << QStringLiteral("<?xml version=\"1.0\"?>\n<Settings>\n"
                          "    <Category name=\"Tx &quot;main&quot; &amp; &lt;more&gt;\">\n"
                          "        <Setting id=\"1\">value</Setting>\n"
                          "        <Empty/>\n"
                          "    </Category>\n"
                          "</Settings>\n");
    QTest::newRow("cdata")
        << Script([](DALXmlWriter &w, QXmlStreamWriter &r) {
               w.openSubTag("Script");
               w.setTagCdata("if (a < b && c) {}");
               w.closeSubTag();
               r.writeStartElement("Script");
               r.writeCDATA("if (a < b && c) {}");
               r.writeEndElement();
           })
        << QStringLiteral("<?xml version=\"1.0\"?>\n<Settings>\n"
                          "    <Script><![CDATA[if (a < b && c) {}]]></Script>\n</Settings>\n");
    QTest::newRow("empty sub tag value")
        << Script([](DALXmlWriter &w, QXmlStreamWriter &r) {
               w.addSubTag("A", "");
               r.writeTextElement("A", "");
           })
        << QString();
    QTest::newRow("root attribute and siblings")
        << Script([](DALXmlWriter &w, QXmlStreamWriter &r) {
               w.addTagAttr("version", "2");
               r.writeAttribute("version", "2");
               for (int i = 0; i < 3; ++i) {
                   w.addSubTag("Item", QString::number(i));
                   r.writeTextElement("Item", QString::number(i));
               }
           })
        << QString();
}

void TestDALXmlWriter::matchesStreamWriter()
{
    QFETCH(Script, script);
    QFETCH(QString, literal);
    DALXmlWriter writer(QStringLiteral("Settings"), nullptr);
    Reference reference(QStringLiteral("Settings"));
    script(writer, reference.writer);
    const QString expected = reference.finish();
    QCOMPARE(writer.getXmlText(), expected);
    if (!literal.isEmpty())
        QCOMPARE(writer.getXmlText(), literal);
}

void TestDALXmlWriter::getXmlTextTwice()
{
    DALXmlWriter writer(QStringLiteral("Root"), nullptr);
    writer.addSubTag(QStringLiteral("A"), QStringLiteral("1"));
    const QString first = writer.getXmlText();
    QString &second = writer.getXmlText();
    QCOMPARE(second, first);
    QVERIFY(first.endsWith(QLatin1String("</Root>\n")));
    // The reference is to the writer's own text.
    QCOMPARE(&second, &writer.getXmlText());
}

void TestDALXmlWriter::writingAfterClose()
{
    DALXmlWriter writer(QStringLiteral("Root"), nullptr);
    const QString closed = writer.getXmlText();
    writer.addSubTag(QStringLiteral("Late"), QStringLiteral("x"));
    const QString after = writer.getXmlText();
    QVERIFY(after.startsWith(closed));
    QVERIFY(after.contains(QLatin1String("<Late>x</Late>")));
}

void TestDALXmlWriter::unbalancedNesting()
{
    // Open elements are closed by the end of the document; extra closes do no harm.
    DALXmlWriter open(QStringLiteral("Root"), nullptr);
    open.openSubTag(QStringLiteral("A"));
    open.openSubTag(QStringLiteral("B"));
    QCOMPARE(open.getXmlText(),
             QStringLiteral("<?xml version=\"1.0\"?>\n<Root>\n    <A>\n        <B/>\n    </A>\n</Root>\n"));

    DALXmlWriter extra(QStringLiteral("Root"), nullptr);
    extra.closeSubTag();
    extra.closeSubTag();
    QCOMPARE(extra.getXmlText(), QStringLiteral("<?xml version=\"1.0\"?>\n<Root/>\n"));
}

void TestDALXmlWriter::metaObject()
{
    QString target;
    DALXmlWriter writer(QStringLiteral("Root"), &target);
    const QMetaObject *meta = writer.metaObject();
    QCOMPARE(meta, &DALXmlWriter::staticMetaObject);
    QCOMPARE(QByteArray(meta->className()), QByteArray("DALXmlWriter"));
    QCOMPARE(meta->superClass(), &QObject::staticMetaObject);
    QCOMPARE(meta->methodCount(), QObject::staticMetaObject.methodCount());
    QCOMPARE(meta->propertyCount(), QObject::staticMetaObject.propertyCount());
    QCOMPARE(meta->enumeratorCount(), 0);
    QCOMPARE(meta->classInfoCount(), 0);
    QCOMPARE(writer.qt_metacast("DALXmlWriter"), static_cast<void *>(&writer));
    QCOMPARE(writer.qt_metacast("QObject"), static_cast<void *>(static_cast<QObject *>(&writer)));
    QCOMPARE(writer.qt_metacast("Other"), static_cast<void *>(nullptr));
    QObject *object = &writer;
    QCOMPARE(qobject_cast<DALXmlWriter *>(object), &writer);
    QVERIFY(!writer.parent());
    QCOMPARE(DALXmlWriter::tr("text"), QStringLiteral("text"));
    QVERIFY(target.isEmpty());
}

QTEST_GUILESS_MAIN(TestDALXmlWriter)
#include "tst_dalxmlwriter.moc"
