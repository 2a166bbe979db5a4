#include "DALXmlWriter.h"

#include <QXmlStreamWriter>
#include <QtTest>

class TestDALXmlWriter : public QObject
{
    Q_OBJECT

private slots:
    void exactText();
    void matchesStreamWriter();
    void getXmlTextTwice();
    void unbalancedNesting();
    void metaObject();
};

namespace {
const QString kDeclaration = QStringLiteral("<?xml version=\"1.0\"?>\n");
}

void TestDALXmlWriter::exactText()
{
    DALXmlWriter empty(QStringLiteral("Settings"), nullptr);
    QCOMPARE(empty.getXmlText(), kDeclaration + "<Settings/>\n");

    DALXmlWriter writer(QStringLiteral("Settings"), nullptr);
    writer.addTagAttr("version", "2");
    writer.addSubTag("Name", "a<b & c>d");
    writer.openSubTag("Category");
    writer.addTagAttr("name", "Tx \"main\" & <more>");
    writer.openSubTag("Setting");
    writer.addTagAttr("id", "1");
    writer.setTagValue("value");
    writer.closeSubTag();
    writer.openSubTag("Empty");
    writer.closeSubTag();
    writer.addSubTag("Blank", "");
    writer.openSubTag("Script");
    writer.setTagCdata("if (a < b && c) {}");
    writer.closeSubTag();
    writer.closeSubTag();
    QCOMPARE(writer.getXmlText(), kDeclaration + "<Settings version=\"2\">\n"
                                                 "    <Name>a&lt;b &amp; c&gt;d</Name>\n"
                                                 "    <Category name=\"Tx &quot;main&quot; &amp; &lt;more&gt;\">\n"
                                                 "        <Setting id=\"1\">value</Setting>\n"
                                                 "        <Empty/>\n"
                                                 "        <Blank></Blank>\n"
                                                 "        <Script><![CDATA[if (a < b && c) {}]]></Script>\n"
                                                 "    </Category>\n"
                                                 "</Settings>\n");
}

void TestDALXmlWriter::matchesStreamWriter()
{
    // Mixed content: whatever Qt's writer makes of it, the same text.
    DALXmlWriter writer(QStringLiteral("P"), nullptr);
    writer.setTagValue("a ");
    writer.addSubTag("b", "bold");
    writer.setTagValue(" c");

    QString text;
    QXmlStreamWriter reference(&text);
    reference.setAutoFormatting(true);
    reference.setAutoFormattingIndent(4);
    reference.writeStartDocument("1.0");
    reference.writeStartElement("P");
    reference.writeCharacters("a ");
    reference.writeTextElement("b", "bold");
    reference.writeCharacters(" c");
    reference.writeEndDocument();
    QCOMPARE(writer.getXmlText(), text);
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
    // Writing after the text was taken appends to it.
    writer.addSubTag(QStringLiteral("Late"), QStringLiteral("x"));
    const QString after = writer.getXmlText();
    QVERIFY(after.startsWith(first));
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
    QCOMPARE(meta->enumeratorCount(), 0);
    QCOMPARE(writer.qt_metacast("DALXmlWriter"), static_cast<void *>(&writer));
    QCOMPARE(writer.qt_metacast("QObject"), static_cast<void *>(static_cast<QObject *>(&writer)));
    QCOMPARE(writer.qt_metacast("Other"), static_cast<void *>(nullptr));
    QVERIFY(!writer.parent());
    QCOMPARE(DALXmlWriter::tr("text"), QStringLiteral("text"));
    QVERIFY(target.isEmpty());
}

QTEST_GUILESS_MAIN(TestDALXmlWriter)
#include "tst_dalxmlwriter.moc"
