#include "fixturetree.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALDeviceDescr.h"

#include <QFileInfo>
#include <QtTest>

namespace {
const QByteArray kDescription =
    "<DeviceDescription>"
    "<Brief>Sub-1 GHz transceiver</Brief>"
    "<Description>Longer text</Description>"
    "<Photo>img/vo4725.png</Photo>"
    "<URL>https://example.org/vo4725</URL>"
    "<UiClass>PROP-A</UiClass>"
    "<Documents>"
    "<Doc><Name>Guide</Name><URL>guide.pdf</URL></Doc>"
    "<Doc><Name>Errata</Name></Doc>"
    "<Doc><URL>only.pdf</URL></Doc>"
    "</Documents>"
    "</DeviceDescription>";

QByteArray descriptionWith(QByteArray const &body)
{
    return "<DeviceDescription>" + body + "</DeviceDescription>";
}
}

class TestDALDeviceDescr : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetLibraryState(); }

    void readsThroughDeviceMap();
    void switchesDeviceMap();
    void missingTagSilencesEveryGetter_data();
    void missingTagSilencesEveryGetter();
    void productPageIsFirstUrlOfDocument();
    void readsRelativeToRootAndBuildsDocListOnce();
    void failedOpen_data();
    void failedOpen();
    void copiesOutliveOriginal();
};

void TestDALDeviceDescr::readsThroughDeviceMap()
{
    FixtureTree tree;
    // The description lies in a directory of its own, found only through the map.
    QVERIFY(tree.writeDeviceConfig("VO4725", {"device_description.xml"}, "descr"));
    QVERIFY(tree.write("descr/device_description.xml", kDescription));
    QString device = "VO4725";
    DALDeviceDescr descr(device, true);
    QCOMPARE(descr.getStatus(), 0);
    QCOMPARE(descr.getErrMsg(), QString());
    QCOMPARE((QStringList{descr.getBrief(), descr.getDescription(), descr.getPhotoUrl(), descr.getUrlProductPage(),
                          descr.getUiClass()}),
             (QStringList{"Sub-1 GHz transceiver", "Longer text", "img/vo4725.png", "https://example.org/vo4725", "PROP-A"}));
    QCOMPARE(descr.getStatus(), 0);
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceDescr::switchesDeviceMap()
{
    FixtureTree tree;
    QVERIFY(tree.writeDeviceConfig("VO4725", {"device_description.xml"}));
    QVERIFY(tree.writeDeviceConfig("VO8395", {"device_description.xml"}));
    QVERIFY(tree.write("vo4725/device_description.xml", descriptionWith("<Brief>first</Brief>")));
    QVERIFY(tree.write("vo8395/device_description.xml", descriptionWith("<Brief>second</Brief>")));

    // The map is held for the first device until the description drops it.
    QVERIFY(!DALDeviceConfig::getPath("device_description.xml", "VO4725", "", "").isEmpty());
    QVERIFY(DALDeviceConfig::getPath("device_description.xml", "VO8395", "", "").isEmpty());
    QString second = "VO8395";
    DALDeviceDescr descr(second, true);
    QCOMPARE(descr.getBrief(), QString("second"));
    QCOMPARE(DALDeviceConfig::getPath("device_description.xml", "VO8395", "", ""),
             tree.path("vo8395"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
}

void TestDALDeviceDescr::missingTagSilencesEveryGetter_data()
{
    QTest::addColumn<QString>("missing");
    QTest::newRow("Brief") << "Brief";
    QTest::newRow("Description") << "Description";
    QTest::newRow("Photo") << "Photo";
    QTest::newRow("URL") << "URL";
    QTest::newRow("UiClass") << "UiClass";
}

void TestDALDeviceDescr::missingTagSilencesEveryGetter()
{
    QFETCH(QString, missing);
    FixtureTree tree;
    QByteArray body;
    for (const char *tag : {"Brief", "Description", "Photo", "URL", "UiClass"}) {
        if (missing != QLatin1String(tag))
            body += QByteArray("<") + tag + ">v-" + tag + "</" + tag + ">";
    }
    // An element without children is present: empty value, status unchanged.
    body += "<Empty/>";
    QVERIFY(tree.write("vo4725/device_description.xml", descriptionWith(body)));
    QString device = "VO4725";
    DALDeviceDescr descr(device, false);

    using Getter = QString (DALDeviceDescr::*)();
    const QMap<QString, Getter> getters{
        {"Brief", &DALDeviceDescr::getBrief},
        {"Description", &DALDeviceDescr::getDescription},
        {"Photo", &DALDeviceDescr::getPhotoUrl},
        {"URL", &DALDeviceDescr::getUrlProductPage},
        {"UiClass", &DALDeviceDescr::getUiClass},
    };
    for (auto it = getters.cbegin(); it != getters.cend(); ++it) {
        if (it.key() != missing)
            QCOMPARE((descr.*it.value())(), "v-" + it.key());
    }
    QCOMPARE(descr.getStatus(), 0);
    QCOMPARE((descr.*getters.value(missing))(), QString());
    QCOMPARE(descr.getStatus(), 5);
    for (Getter getter : getters)
        QCOMPARE((descr.*getter)(), QString());
    QCOMPARE(descr.getStatus(), 5);
    // Nothing goes to the error list, and the document list still answers.
    QVERIFY(DALCommon::getErrorList().isEmpty());
    QStringList docs;
    QCOMPARE(descr.getDocList(docs), 0);
}

void TestDALDeviceDescr::productPageIsFirstUrlOfDocument()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_description.xml",
                       descriptionWith("<Documents><Doc><Name>Guide</Name><URL>guide.pdf</URL></Doc>"
                                       "</Documents><URL>page</URL>")));
    QString device = "vo4725";
    DALDeviceDescr descr(device, false);
    QCOMPARE(descr.getUrlProductPage(), QString("guide.pdf"));
    QCOMPARE(descr.getStatus(), 0);
}

// Read relative to the root; the document list is built once.
void TestDALDeviceDescr::readsRelativeToRootAndBuildsDocListOnce()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_description.xml", kDescription));
    QString device = "VO4725";
    DALDeviceDescr descr(device, false);
    QCOMPARE(descr.getStatus(), 0);
    QCOMPARE(descr.getUiClass(), QString("PROP-A"));
    QVERIFY(DALCommon::getErrorList().isEmpty());
    const QStringList expected{"Guide,guide.pdf", "Errata,", ",only.pdf"};
    QStringList docs{"stale"};
    QCOMPARE(descr.getDocList(docs), 3);
    QCOMPARE(docs, expected);
    // A copy made now shares the built list; the original answers the same again.
    DALDeviceDescr copy(descr);
    QCOMPARE(descr.getDocList(docs), 3);
    QCOMPARE(docs, expected);
    QStringList fromCopy;
    QCOMPARE(copy.getDocList(fromCopy), 3);
    QCOMPARE(fromCopy, expected);
}

void TestDALDeviceDescr::failedOpen_data()
{
    QTest::addColumn<bool>("useDeviceConfig");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("errMsg");
    QTest::addColumn<QString>("recorded"); // relative to the fixture root; "" = no message
    QTest::newRow("no map entry") << true << "nomap" << 1
                                  << "File open failed/device_description.xml"
                                  << "File open failed: /device_description.xml";
    QTest::newRow("no device_config.xml") << true << "noconfig" << 1
                                          << "File open failed/device_description.xml"
                                          << "File open failed: <root>vo4725/device_config.xml";
    QTest::newRow("missing file, root") << false << "none" << 1
                                        << "File open failed" "vo4725/device_description.xml"
                                        << "File open failed: <root>vo4725/device_description.xml";
    QTest::newRow("malformed, root") << false << "malformed" << 2
                                     << "XML DOM parse failed" "vo4725/device_description.xml"
                                     << "XML DOM parse failed: <root>vo4725/device_description.xml";
}

void TestDALDeviceDescr::failedOpen()
{
    QFETCH(bool, useDeviceConfig);
    QFETCH(QString, setup);
    QFETCH(int, status);
    QFETCH(QString, errMsg);
    QFETCH(QString, recorded);
    FixtureTree tree;
    if (setup == "nomap")
        QVERIFY(tree.writeDeviceConfig("VO4725", {"param_definition.xml"}));
    if (setup == "malformed")
        QVERIFY(tree.write("vo4725/device_description.xml", "<DeviceDescription><Brief>"));
    recorded.replace("<root>", QFileInfo(tree.root()).absoluteFilePath());

    QString device = "VO4725";
    DALDeviceDescr descr(device, useDeviceConfig);
    QCOMPARE(descr.getStatus(), status);
    QCOMPARE(descr.getErrMsg(), errMsg);
    QVERIFY(!DALCommon::getErrorList().isEmpty());
    // The parser's own text follows the framing of a parse failure.
    QVERIFY2(DALCommon::getErrorList().first().startsWith(recorded),
             qPrintable(DALCommon::getErrorList().first()));
    if (status == 1)
        QCOMPARE(DALCommon::getErrorList(), QStringList{recorded});

    QCOMPARE(descr.getBrief(), QString());
    QCOMPARE(descr.getUiClass(), QString());
    QCOMPARE(descr.getStatus(), status);
    QStringList docs{"stale"};
    QCOMPARE(descr.getDocList(docs), 0);
    QCOMPARE(docs, QStringList());
}

void TestDALDeviceDescr::copiesOutliveOriginal()
{
    FixtureTree tree;
    QVERIFY(tree.write("vo4725/device_description.xml", descriptionWith("<Brief>b</Brief><Doc><Name>n</Name></Doc>")));
    QString device = "VO4725";
    auto *original = new DALDeviceDescr(device, false);
    DALDeviceDescr copy(*original);
    QCOMPARE(original->getPhotoUrl(), QString());
    DALDeviceDescr silenced(*original); // carries status 5 along
    QString other = "VO9999";
    DALDeviceDescr assigned(other, false);
    QCOMPARE(assigned.getStatus(), 1);
    assigned = *original;
    assigned = copy;
    assigned = assigned;
    delete original;

    QCOMPARE(copy.getBrief(), QString("b"));
    QCOMPARE(assigned.getBrief(), QString("b"));
    QCOMPARE(assigned.getErrMsg(), QString());
    QCOMPARE(silenced.getStatus(), 5);
    QCOMPARE(silenced.getBrief(), QString());
    QStringList docs;
    QCOMPARE(assigned.getDocList(docs), 1);
    QCOMPARE(docs, QStringList{"n,"});
}

QTEST_GUILESS_MAIN(TestDALDeviceDescr)
#include "tst_daldevicedescr.moc"
