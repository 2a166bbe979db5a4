#include "fixturetree.h"

#include "DALCodeGen.h"
#include "DALCommon.h"

#include <QtTest>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

// DALCodeGen is created once per process: the first test creates it from
// several threads at once, the others use that instance.
class TestDALCodeGen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void concurrentFirstCalls();
    void lookup_data();
    void lookup();
    void laterDirectoryIgnored();

private:
    FixtureTree *m_tree = nullptr;
};

void TestDALCodeGen::initTestCase()
{
    m_tree = new FixtureTree;
    QVERIFY(m_tree->isValid());
    QVERIFY(m_tree->write(QStringLiteral("dira/codegen.xml"), R"(<?xml version="1.0"?>
<CodeGen>
    <Command name="CMD_X">
        <Field name="A"><Comment>x</Comment></Field>
        <Field><Comment>unnamed</Comment></Field>
        <Field name="B"><Comment>y</Comment></Field>
    </Command>
    <Command name="C"><Field name="G"><Comment>g1</Comment></Field></Command>
    <Group>
        <Command name="C">
            <Field name="F"><Comment>second</Comment></Field>
            <Field name="G"><Comment>g2</Comment></Field>
        </Command>
    </Group>
    <Command name="Cmd">
        <Field name="Nested"><Doc><Comment>deep</Comment></Doc><Comment>later</Comment></Field>
        <Fields><Field name="Inner"><Comment>inner</Comment></Field></Fields>
        <Field name="NoComment"/>
        <Field name=""><Comment>empty name</Comment></Field>
    </Command>
    <Command><Field name="anon"><Comment>no name</Comment></Field></Command>
</CodeGen>
)"));
    QVERIFY(m_tree->write(QStringLiteral("dirb/codegen.xml"),
                          "<CodeGen><Command name=\"CMD_X\"><Field name=\"A\"><Comment>from B</Comment>"
                          "</Field></Command></CodeGen>"));
}

void TestDALCodeGen::cleanupTestCase()
{
    delete m_tree;
    DALCommon::setConfigRoot("./../config/xml/");
}

void TestDALCodeGen::concurrentFirstCalls()
{
    constexpr int threadCount = 8;
    std::promise<void> start;
    std::shared_future<void> go = start.get_future().share();
    std::atomic<DALCodeGen *> seen[threadCount];
    std::vector<std::thread> threads;
    for (int i = 0; i < threadCount; ++i) {
        threads.emplace_back([&, i] {
            QString dir = QStringLiteral("DirA"); // lower-cased to "dira"
            go.wait();
            seen[i] = &DALCodeGen::Instance(dir);
        });
    }
    start.set_value();
    for (std::thread &thread : threads)
        thread.join();

    for (int i = 1; i < threadCount; ++i)
        QCOMPARE(seen[i].load(), seen[0].load());
    // Read once: the unnamed field is reported once.
    QCOMPARE(DALCommon::getErrorList(),
             QStringList{QStringLiteral("File open failed: Missing \"name\" attribute for \"Field\" "
                                        "element in /codegen.xml")});
    QCOMPARE(DALCommon::getStatus(), -1);
}

void TestDALCodeGen::lookup_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("comment");
    QTest::newRow("before the unnamed field") << "CMD_X" << "A" << "x";
    QTest::newRow("after the unnamed field") << "CMD_X" << "B" << "";
    QTest::newRow("second command of the name") << "C" << "F" << "second";
    QTest::newRow("first command wins") << "C" << "G" << "g1";
    QTest::newRow("first Comment at any depth") << "Cmd" << "Nested" << "deep";
    QTest::newRow("field at any depth") << "Cmd" << "Inner" << "inner";
    QTest::newRow("no Comment") << "Cmd" << "NoComment" << "";
    QTest::newRow("empty field name") << "Cmd" << "" << "empty name";
    QTest::newRow("command case") << "cmd" << "Nested" << "";
    QTest::newRow("command without name") << "" << "anon" << "no name";
    QTest::newRow("unknown command") << "CMD_Y" << "A" << "";
}

void TestDALCodeGen::lookup()
{
    QFETCH(QString, command);
    QFETCH(QString, field);
    QFETCH(QString, comment);
    QString dir = QStringLiteral("dira");
    QCOMPARE(DALCodeGen::Instance(dir).getCommandFieldComment(command, field), comment);
}

void TestDALCodeGen::laterDirectoryIgnored()
{
    resetLibraryState();
    QString dirA = QStringLiteral("dira");
    QString dirB = QStringLiteral("dirb");
    DALCodeGen &first = DALCodeGen::Instance(dirA);
    DALCodeGen &second = DALCodeGen::Instance(dirB);
    QCOMPARE(&second, &first);
    QCOMPARE(second.getCommandFieldComment(QStringLiteral("CMD_X"), QStringLiteral("A")),
             QStringLiteral("x"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

QTEST_GUILESS_MAIN(TestDALCodeGen)
#include "tst_dalcodegen.moc"
