#include "DALRfOverrideMap.h"

#include <QtTest>

namespace {

using Pairs = QList<QPair<QString, int>>;

DALRfOverrideMap build(Pairs const &pairs)
{
    DALRfOverrideMap map;
    for (const auto &pair : pairs)
        map.addOverrideIndex(pair.first, pair.second);
    return map;
}

} // namespace

Q_DECLARE_METATYPE(Pairs)

class TestDALRfOverrideMap : public QObject
{
    Q_OBJECT

private slots:
    void addKeepsFirstOrderAndUniqueIndexes();
    void removeKeepsEmptyEntry();
    void equality_data();
    void equality();
    void copyIsIndependent();
    void referenceSurvivesIgnoredChanges_data();
    void referenceSurvivesIgnoredChanges();
    void longMapAnswersAsAWalk_data();
    void longMapAnswersAsAWalk();
};

void TestDALRfOverrideMap::addKeepsFirstOrderAndUniqueIndexes()
{
    DALRfOverrideMap map = build({{"A", 3}, {"B", 1}, {"A", 3}, {"A", 2}});
    QCOMPARE(map.getFieldNames(), (QStringList{"A", "B"}));
    QCOMPARE(map.fieldNameCount(), 2);
    QCOMPARE(map.getIndexes("A"), (QList<int>{3, 2}));
    QCOMPARE(map.getIndexes("B"), (QList<int>{1}));
    QCOMPARE(map.getFieldNameAt(0), QString("A"));
    QCOMPARE(map.getFieldNameAt(1), QString("B"));
    // Names are compared exactly.
    QVERIFY(map.getIndexes("a").isEmpty());
    QCOMPARE(map.getFieldNameAt(2), QString());
    QCOMPARE(map.getFieldNameAt(-1), QString());
    DALRfOverrideMap other;
    QVERIFY(map.getIndexes("none").isEmpty());
    // Every miss refers to the same shared empty list.
    QCOMPARE(&map.getIndexes("none"), &other.getIndexes("other"));
    QCOMPARE(other.fieldNameCount(), 0);
    QVERIFY(other.getFieldNames().isEmpty());
}

void TestDALRfOverrideMap::removeKeepsEmptyEntry()
{
    DALRfOverrideMap map = build({{"A", 3}, {"B", 1}, {"A", 2}});
    map.removeOverrideIndex("A", 3);
    QCOMPARE(map.getIndexes("A"), (QList<int>{2}));
    map.removeOverrideIndex("A", 2);
    map.removeOverrideIndex("A", 7);  // not in the list
    map.removeOverrideIndex("C", 1);  // no entry
    QVERIFY(map.getIndexes("A").isEmpty());
    QCOMPARE(map.fieldNameCount(), 2);
    QCOMPARE(map.getFieldNames(), (QStringList{"A", "B"}));
    QCOMPARE(map.getIndexes("B"), (QList<int>{1}));
    // Adding again to the emptied entry keeps its place.
    map.addOverrideIndex("A", 5);
    QCOMPARE(map.getFieldNameAt(0), QString("A"));
    QCOMPARE(map.getIndexes("A"), (QList<int>{5}));
}

void TestDALRfOverrideMap::equality_data()
{
    QTest::addColumn<Pairs>("left");
    QTest::addColumn<Pairs>("right");
    QTest::addColumn<bool>("equal");
    QTest::newRow("both empty") << Pairs{} << Pairs{} << true;
    QTest::newRow("same adds") << Pairs{{"A", 1}, {"B", 2}} << Pairs{{"A", 1}, {"B", 2}} << true;
    QTest::newRow("duplicate add ignored") << Pairs{{"A", 1}, {"A", 1}} << Pairs{{"A", 1}} << true;
    QTest::newRow("extra entry") << Pairs{{"A", 1}, {"B", 2}} << Pairs{{"A", 1}} << false;
    QTest::newRow("entry order") << Pairs{{"A", 1}, {"B", 2}} << Pairs{{"B", 2}, {"A", 1}} << false;
    QTest::newRow("index order") << Pairs{{"A", 1}, {"A", 2}} << Pairs{{"A", 2}, {"A", 1}} << false;
    QTest::newRow("index value") << Pairs{{"A", 1}} << Pairs{{"A", 2}} << false;
    QTest::newRow("name case") << Pairs{{"A", 1}} << Pairs{{"a", 1}} << false;
}

void TestDALRfOverrideMap::equality()
{
    QFETCH(Pairs, left);
    QFETCH(Pairs, right);
    QFETCH(bool, equal);
    const DALRfOverrideMap a = build(left);
    const DALRfOverrideMap b = build(right);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
    QCOMPARE(b != a, !equal);
}

void TestDALRfOverrideMap::copyIsIndependent()
{
    auto *original = new DALRfOverrideMap(build({{"A", 1}}));
    DALRfOverrideMap copy(*original);
    DALRfOverrideMap assigned;
    assigned.addOverrideIndex("X", 9);
    assigned = *original;
    QVERIFY(copy == *original);
    QVERIFY(assigned == *original);
    original->addOverrideIndex("A", 2);
    QVERIFY(copy != *original);
    delete original;
    QCOMPARE(copy.getIndexes("A"), (QList<int>{1}));
    QCOMPARE(assigned.getFieldNames(), (QStringList{"A"}));
}

void TestDALRfOverrideMap::referenceSurvivesIgnoredChanges_data()
{
    QTest::addColumn<int>("names");
    QTest::newRow("short map") << 1;
    QTest::newRow("long map") << 40;
}

// Operations that change nothing take no write access: a reference from
// getIndexes stays on this map's list and never shows what a copy adds.
void TestDALRfOverrideMap::referenceSurvivesIgnoredChanges()
{
    QFETCH(int, names);
    DALRfOverrideMap map;
    for (int i = 0; i < names; ++i)
        map.addOverrideIndex(QString::number(i), i);
    map.addOverrideIndex("0", 7);
    const QList<int> &indexes = map.getIndexes("0");
    DALRfOverrideMap copy(map);
    map.removeOverrideIndex("0", 99);
    map.removeOverrideIndex("absent", 0);
    map.addOverrideIndex("0", 7);
    copy.addOverrideIndex("0", 8);
    QCOMPARE(&map.getIndexes("0"), &indexes);
    QCOMPARE(indexes, (QList<int>{0, 7}));
    copy = DALRfOverrideMap();
    QCOMPARE(indexes, (QList<int>{0, 7}));
    QCOMPARE(map.fieldNameCount(), names);
}

void TestDALRfOverrideMap::longMapAnswersAsAWalk_data()
{
    QTest::addColumn<int>("names");
    QTest::newRow("short") << 3;
    QTest::newRow("long") << 40;
    QTest::newRow("far longer") << 200;
}

// Lookups, repeats, removals, copies and clearing give the same answers
// whatever the length of the map.
void TestDALRfOverrideMap::longMapAnswersAsAWalk()
{
    QFETCH(int, names);
    auto name = [](int i) { return QStringLiteral("f%1").arg(i); };
    DALRfOverrideMap map;
    for (int i = 0; i < names; ++i)
        map.addOverrideIndex(name(i), i);
    // Repeats and second indexes go to the existing entry.
    for (int i = 0; i < names; ++i) {
        map.addOverrideIndex(name(i), i);
        map.addOverrideIndex(name(i), i + 1000);
    }
    map.removeOverrideIndex(name(0), 0);
    map.removeOverrideIndex(name(names - 1), 12345);
    QCOMPARE(map.fieldNameCount(), names);
    QCOMPARE(map.getFieldNameAt(names - 1), name(names - 1));
    QCOMPARE(map.getFieldNameAt(names), QString());
    QCOMPARE(map.getIndexes(name(0)), QList<int>({1000}));
    QCOMPARE(map.getIndexes(name(names - 1)), QList<int>({names - 1, names + 999}));
    QVERIFY(map.getIndexes(name(names)).isEmpty());
    // A new name keeps its position at the end.
    map.addOverrideIndex(QStringLiteral("late"), 7);
    QCOMPARE(map.getFieldNames().last(), QStringLiteral("late"));
    QCOMPARE(map.getIndexes(QStringLiteral("late")), QList<int>({7}));

    DALRfOverrideMap copy(map);
    copy.addOverrideIndex(name(1), 99);
    QCOMPARE(copy.getIndexes(name(1)), QList<int>({1, 1001, 99}));
    QCOMPARE(map.getIndexes(name(1)), QList<int>({1, 1001}));
    map.clear();
    QCOMPARE(map.fieldNameCount(), 0);
    QVERIFY(map.getIndexes(name(1)).isEmpty());
    map.addOverrideIndex(name(names - 1), 1);
    QCOMPARE(map.getFieldNameAt(0), name(names - 1));
    QCOMPARE(map.getIndexes(name(names - 1)), QList<int>({1}));
    QVERIFY(map.getIndexes(name(0)).isEmpty());
}

QTEST_GUILESS_MAIN(TestDALRfOverrideMap)
#include "tst_dalrfoverridemap.moc"
