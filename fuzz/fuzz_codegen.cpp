// codegen.xml, read by DALCodeGen. The class keeps one instance per process,
// so each input is read by a fresh object made through the test hook.
#include "fuzztree.h"

#include "DALCodeGen.h"

struct DALTestAccess
{
    static DALCodeGen *create(QString &dir) { return new DALCodeGen(dir); }
    static void destroy(DALCodeGen *codeGen) { delete codeGen; }
};

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QByteArray content(reinterpret_cast<char const *>(data), static_cast<int>(size));
    FuzzTree::reset();
    FuzzTree::write(QStringLiteral("vo4725/codegen.xml"), content);

    QString dir = FuzzTree::device();
    DALCodeGen *codeGen = DALTestAccess::create(dir);
    DALCodeGen *copy = DALTestAccess::create(dir);
    *copy = *codeGen;
    DALTestAccess::destroy(codeGen);
    const QStringList names = FuzzTree::names(content, 12);
    int total = 0;
    for (const QString &command : names) {
        for (const QString &field : names)
            total += FuzzTree::consume(copy->getCommandFieldComment(command, field));
    }
    DALTestAccess::destroy(copy);
    return total == -12345 ? 1 : 0;
}
