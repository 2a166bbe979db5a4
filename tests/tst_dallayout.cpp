// The exported classes and records have exactly the members hosts were built
// against: an extra member changes their size and breaks every host.
#include "DALDeviceList.h"
#include "DALPaSettingsDef.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfOverrideMap.h"

#include <QDomDocument>
#include <QDomNodeList>
#include <QtTest>

namespace Declared {

// The members as hosts declare them.
struct OverrideMap { QList<DALRfOverrideMap::OverrideIndexEntry> entries; };
struct OverrideField { QString name; QStringList blocks; OverrideMap overrideMap; };
struct Command { QString name; QString function; QList<DALRfCmdSettings::CmdField> fields; OverrideField overrideField; };
struct RadioParDef { QString name; QMap<QString, DALRadioParDef::Field *> fields; };
struct DeviceList
{
    QDomDocument *document;
    QDomNodeList *groupNodes;
    QDomNodeList *deviceNodes;
    QStringList groupNames;
    QString rootDir;
    int status;
    QString latestErrorMessage;
};
struct ParamDef
{
    QDomDocument *document;
    QString title;
    QList<DALParamDef::ParamDefinition> parList;
    int status;
    QString errorText;
};
struct PaSettingsDef
{
    QString deviceName;
    QString currentFile;
    DALRfCmdSettings *cmdSettings;
    QMap<QString, DALPaSettingsDef::PaSettings *> paSettings;
};

} // namespace Declared

static_assert(sizeof(DALRfOverrideMap) == sizeof(Declared::OverrideMap), "DALRfOverrideMap");
static_assert(sizeof(DALRfCmdSettings::OverrideField) == sizeof(Declared::OverrideField), "OverrideField");
static_assert(sizeof(DALRfCmdSettings::Command) == sizeof(Declared::Command), "Command");
static_assert(sizeof(DALRadioParDef::RadioParDef) == sizeof(Declared::RadioParDef), "RadioParDef");
static_assert(sizeof(DALDeviceList) == sizeof(Declared::DeviceList), "DALDeviceList");
static_assert(sizeof(DALParamDef) == sizeof(Declared::ParamDef), "DALParamDef");
static_assert(sizeof(DALPaSettingsDef) == sizeof(Declared::PaSettingsDef), "DALPaSettingsDef");

class TestDALLayout : public QObject
{
    Q_OBJECT

private slots:
    void radioParDefIsNameAndFields();
};

void TestDALLayout::radioParDefIsNameAndFields()
{
    // Host code brace-initializes and decomposes the record.
    DALRadioParDef::Field field{QStringLiteral("f"), 3};
    DALRadioParDef::RadioParDef def{QStringLiteral("r"), {{QStringLiteral("f"), &field}}};
    auto &[name, fields] = def;
    QCOMPARE(name, QStringLiteral("r"));
    QCOMPARE(fields.value(QStringLiteral("f"))->position, quint8(3));
}

QTEST_GUILESS_MAIN(TestDALLayout)
#include "tst_dallayout.moc"
