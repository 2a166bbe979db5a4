#include "fixturetree.h"

#include "DALCodeGen.h"
#include "DALCommon.h"

#include <QtTest>

// DALCodeGen when its file is missing. A suite of its own: the instance is
// created once per process.
class TestDALCodeGenMissing : public QObject
{
    Q_OBJECT

private slots:
    void missingFile();
};

void TestDALCodeGenMissing::missingFile()
{
    FixtureTree tree;
    QVERIFY(tree.mkdir(QStringLiteral("empty")));
    QString dir = QStringLiteral("Empty");
    DALCodeGen &codeGen = DALCodeGen::Instance(dir);
    const QStringList expected{QStringLiteral("File open failed: ") + tree.path("empty/codegen.xml")};
    QCOMPARE(DALCommon::getErrorList(), expected);
    QCOMPARE(codeGen.getCommandFieldComment(QStringLiteral("CMD_FS"), QStringLiteral("frequency")),
             QString());
    QCOMPARE(codeGen.getCommandFieldComment(QString(), QString()), QString());

    // The file appearing later changes nothing: the instance is not re-read.
    QVERIFY(tree.write(QStringLiteral("empty/codegen.xml"),
                       "<CodeGen><Command name=\"CMD_FS\"><Field name=\"frequency\"><Comment>MHz</Comment>"
                       "</Field></Command></CodeGen>"));
    QCOMPARE(&DALCodeGen::Instance(dir), &codeGen);
    QCOMPARE(codeGen.getCommandFieldComment(QStringLiteral("CMD_FS"), QStringLiteral("frequency")),
             QString());
    QCOMPARE(DALCommon::getErrorList(), expected);
}

QTEST_GUILESS_MAIN(TestDALCodeGenMissing)
#include "tst_dalcodegen_missing.moc"
