#include "fixturetree.h"

#include "DALCommon.h"
#include "DALUiTranslation.h"

#include <QDomDocument>
#include <QtTest>

namespace {
const QByteArray kTable =
    "<UiTranslation>"
    "<Translation><LogicName>CMD_FS</LogicName><UiName>Frequency synthesizer</UiName></Translation>"
    "<Translation><LogicName>CMD_FS</LogicName><UiName>Second</UiName></Translation>"
    "<Translation><UiName>No logic name</UiName></Translation>"
    "<group><Translation><LogicName>tx <b>power</b></LogicName>"
    "<x><UiName>Output power</UiName></x></Translation></group>"
    "<Translation><LogicName>Other</LogicName><UiName>Frequency synthesizer</UiName></Translation>"
    "</UiTranslation>";
}

class TestDALUiTranslation : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void translations_data();
    void translations();
    void copiesAreIndependent();
};

void TestDALUiTranslation::translations_data()
{
    QTest::addColumn<QString>("logicName");
    QTest::addColumn<QString>("uiName");
    QTest::addColumn<QString>("logicOfUi");
    QTest::newRow("first pair wins") << "CMD_FS" << "Frequency synthesizer" << "CMD_FS";
    QTest::newRow("duplicate ui name") << "Other" << "Frequency synthesizer" << "CMD_FS";
    QTest::newRow("empty logic name") << "" << "No logic name" << "";
    QTest::newRow("full text, any depth") << "tx power" << "Output power" << "tx power";
    QTest::newRow("case-sensitive") << "cmd_fs" << "" << "";
}

void TestDALUiTranslation::translations()
{
    QFETCH(QString, logicName);
    QFETCH(QString, uiName);
    QFETCH(QString, logicOfUi);
    QDomDocument document = parseXml(kTable);
    DALUiTranslation translation(&document);
    QCOMPARE(translation.getStatus(), 0);
    QCOMPARE(translation.getUiName(logicName), uiName);
    if (!uiName.isEmpty())
        QCOMPARE(translation.getLogicName(uiName), logicOfUi);
    QCOMPARE(translation.getLogicName("Unknown"), QString(""));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALUiTranslation::copiesAreIndependent()
{
    QDomDocument document = parseXml(kTable);
    auto *original = new DALUiTranslation(&document);
    DALUiTranslation copy(*original);
    DALUiTranslation assigned(nullptr);
    QCOMPARE(assigned.getUiName(""), QString());
    assigned = *original;
    delete original;
    document = QDomDocument();
    QCOMPARE(copy.getUiName("Other"), QString("Frequency synthesizer"));
    QCOMPARE(assigned.getLogicName("Second"), QString("CMD_FS"));
}

QTEST_GUILESS_MAIN(TestDALUiTranslation)
#include "tst_daluitranslation.moc"
