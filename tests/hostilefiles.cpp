#include "hostilefiles.h"

#include "fixturetree.h"

#include "DALCodeGen.h"
#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALPacket.h"
#include "DALPaSettingsDef.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "DALRfOverrideDef.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace HostileFiles {

namespace {

QString device()
{
    return QStringLiteral("VO4725");
}

// --- readers -----------------------------------------------------------

void readDeviceConfig() { DALDeviceConfig::getPath(QStringLiteral("param_definition.xml"), device(), {}, {}); }
void readDeviceList()
{
    QString root = DALCommon::getConfigRoot();
    root.chop(1);
    DALDeviceList list(root);
    list.getDeviceGroups();
    list.getDeviceBrief(device());
}
void readDeviceDescription() { QString d = device(); DALDeviceDescr descr(d, true); }
void readParamDefinition() { QString d = device(); DALParamDef def(d); }
void readParamCmdMapping() { QString d = device(); DALParamCmdMapping mapping(d); }
void readRadioPars() { QString d = device(); DALRadioParDef def(d); }
void readCommandDefinitions() { QString d = device(); DALRfCmdDef def(d); }
void readOverrides() { QString d = device(); DALRfOverrideDef def(d); }
void readCommandSettings() { QString d = device(); DALRfCmdSettings settings(d); }
void readPaSettings()
{
    QString d = device();
    DALRfCmdSettings commands(d);
    DALCommon::clearErrorList();
    DALPaSettingsDef pa(QString(), d, &commands, true);
}
void readFrontEnds()
{
    QString d = device();
    DALRfCmdSettings commands(d);
    DALCommon::clearErrorList();
    DALRfFrontEndSettings frontEnds(d, &commands);
}
void readPacket() { DALPacket packet(QStringLiteral("hostile")); }
// A process-wide singleton: the first call in a process is the one that reads.
void readCodeGen() { QString dir; DALCodeGen::Instance(dir); }

// --- inputs ------------------------------------------------------------

bool writeBytes(QString const &path, QByteArray const &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray nested(int depth, QByteArray const &open = "<a>", QByteArray const &close = "</a>")
{
    return open.repeated(depth) + close.repeated(depth);
}

QByteArray flat(int count)
{
    return "<r>" + QByteArray("<a x=\"1\">t</a>").repeated(count) + "</r>";
}

QByteArray utf16(QByteArray const &ascii, bool littleEndian, bool byteOrderMark)
{
    QByteArray out;
    out.reserve(ascii.size() * 2 + 2);
    if (byteOrderMark)
        out += littleEndian ? QByteArray("\xff\xfe") : QByteArray("\xfe\xff");
    for (const char c : ascii) {
        const char unit[2] = {littleEndian ? c : '\0', littleEndian ? '\0' : c};
        out.append(unit, 2);
    }
    return out;
}

QByteArray billionLaughs()
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    for (int i = 1; i <= 9; ++i) {
        const QByteArray previous = i == 1 ? "&lol;" : "&lol" + QByteArray::number(i - 1) + ";";
        xml += "<!ENTITY lol" + QByteArray::number(i) + " \"" + previous.repeated(10) + "\">\n";
    }
    return xml + "]>\n<lolz>&lol9;</lolz>\n";
}

// Markup that exists only once the entity is expanded.
QByteArray entityBorneNesting()
{
    return "<!DOCTYPE r [<!ENTITY e \"" + QByteArray("&#60;a&#62;").repeated(100000) + "\">]>\n<r>&e;</r>";
}

QByteArray entityUsedManyTimes()
{
    return "<!DOCTYPE r [<!ENTITY e \"" + QByteArray(100 * 1024, 'x') + "\">]>\n<r>"
           + QByteArray("&e;").repeated(100000) + "</r>";
}

// Just under the size limit, stopping short by the closing tag.
QByteArray nearlyLimit(QByteArray const &item)
{
    const int limit = 16 * 1024 * 1024 - 64;
    QByteArray xml = "<r>";
    xml += item.repeated((limit - 8) / item.size());
    return xml + "</r>";
}

// Every element name the readers collect, nested in each other to just under
// the depth limit, each level complete enough to be read on, with collectable
// elements at the bottom: every level collects all of them again.
const char *const kCollectedTags[] = {
        "RfDesign", "FrequencyRange", "PaSettingTable", "PaSetting", "Command", "Field", "OverrideField",
        "Block", "CommandGroup", "CommonFields", "BitField", "ListItem", "RadioPar", "field", "settings",
        "parameters", "parameter", "rfCommand", "parGroup", "Dependencies", "Dependency", "Map",
        "ListValues", "Option", "FrontEnd", "Package", "IoPin", "ControlFunction", "Signal", "Register",
        "packet", "setting", "Category", "path", "Doc", "Translation", "IoSettings", "Target",
        "WriteCustom", "Element32b", "DeviceGroup", "Device", "DeviceName"};

QByteArray collectableLeaves(int perTag)
{
    QByteArray leaves;
    for (const char *tag : kCollectedTags)
        leaves += ("<" + QByteArray(tag) + " name=\"l\" text=\"t\">1</" + tag + ">").repeated(perTag);
    return leaves;
}

QByteArray nestedCollectors(int leavesPerTag, int padding)
{
    const char *const *tags = kCollectedTags;
    const QByteArray fill = "<Min>1</Min><Max>2</Max><Value>1</Value><position>1</position>";
    QByteArray open;
    QByteArray close;
    const int count = int(sizeof(kCollectedTags) / sizeof(kCollectedTags[0]));
    for (int level = 0; level < 990; ++level) {
        const QByteArray tag = tags[level % count];
        open += "<" + tag + " name=\"n\" text=\"t\" names=\"a\" file=\"f\">" + fill;
        close.prepend("</" + tag + ">");
    }
    return "<Root><Default/>" + open + collectableLeaves(leavesPerTag) + close + "<DefaultPaTable/><p>" + QByteArray(padding, 'x')
           + "</p></Root>";
}

bool notWellFormed(QString const &p) { return writeBytes(p, "<Root><a></b></Root>"); }
bool truncated(QString const &p) { return writeBytes(p, "<Root><a name=\"x"); }
bool entityBomb(QString const &p) { return writeBytes(p, billionLaughs()); }
bool entityNesting(QString const &p) { static const QByteArray bytes = entityBorneNesting(); return writeBytes(p, bytes); }
bool entityManyTimes(QString const &p) { static const QByteArray bytes = entityUsedManyTimes(); return writeBytes(p, bytes); }
bool externalEntity(QString const &p)
{
    return writeBytes(p, "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/hostname\">]><r>&x;</r>");
}
bool levels100000(QString const &p) { static const QByteArray bytes = nested(100000); return writeBytes(p, bytes); }
bool levels1001(QString const &p) { return writeBytes(p, nested(1001)); }
bool levels1000(QString const &p) { return writeBytes(p, nested(1000)); }
bool utf16LeFlat(QString const &p) { return writeBytes(p, utf16(flat(1200), true, true)); }
bool utf16BeFlat(QString const &p) { return writeBytes(p, utf16(flat(1200), false, true)); }
bool utf16LeFlatNoMark(QString const &p) { return writeBytes(p, utf16(flat(1200), true, false)); }
bool utf16BeFlatNoMark(QString const &p) { return writeBytes(p, utf16(flat(1200), false, false)); }
bool utf16LeDeep(QString const &p) { return writeBytes(p, utf16(nested(1001), true, true)); }
bool utf16BeDeepNoMark(QString const &p)
{
    static const QByteArray bytes = utf16(nested(100000), false, false);
    return writeBytes(p, bytes);
}
bool latin1Flat(QString const &p)
{
    return writeBytes(p, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + flat(1200).replace("t", "\xe9"));
}
bool latin1Deep(QString const &p)
{
    return writeBytes(p, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + nested(1001, "<\xe9>", "</\xe9>"));
}
bool collectorsNested(QString const &p) { static const QByteArray bytes = nestedCollectors(100, 0); return writeBytes(p, bytes); }
// As many collectable elements as the loader takes from a file of nearly the
// size limit (the rest is text, which costs the tree little).
bool collectorsFlatLarge(QString const &p)
{
    return writeBytes(p, "<Root><Default/>" + collectableLeaves(4000) + "<DefaultPaTable/><p>"
                             + QByteArray(8 * 1024 * 1024, 'x') + "</p></Root>");
}
bool collectorsNestedLarge(QString const &p) { return writeBytes(p, nestedCollectors(600, 12 * 1024 * 1024)); }
bool fiftyMegabytes(QString const &p)
{
    static const QByteArray item = "<Item name=\"x\">0123456789abcdef0123456789abcdef</Item>\n";
    static const QByteArray bytes = "<Root>\n" + item.repeated(50 * 1024 * 1024 / item.size() + 1) + "</Root>\n";
    return writeBytes(p, bytes);
}
bool nearlyLimitDense(QString const &p) { static const QByteArray bytes = nearlyLimit("<a b=\"\"/>"); return writeBytes(p, bytes); }
bool nearlyLimitText(QString const &p)
{
    static const QByteArray bytes = nearlyLimit("<t>" + QByteArray(64 * 1024, 'x') + "</t>\n");
    return writeBytes(p, bytes);
}
bool notUtf8(QString const &p) { return writeBytes(p, "<Root name=\"\xff\xfe\xc3\x28\">\x80\x81</Root>"); }
bool wrongDeclaration(QString const &p)
{
    // UTF-16 declared, UTF-8 bytes written.
    return writeBytes(p, "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Root>\xc3\xa9</Root>");
}
bool emptyFile(QString const &p) { return writeBytes(p, QByteArray()); }
bool directory(QString const &p) { return QDir().mkpath(p); }
bool symlinkLoop(QString const &p)
{
    return QFile::link(p + QStringLiteral(".loop"), p) && QFile::link(p, p + QStringLiteral(".loop"));
}
bool danglingSymlink(QString const &p) { return QFile::link(p + QStringLiteral(".nothing"), p); }
bool fifo(QString const &p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }

} // namespace

QString entityReason()
{
    return QStringLiteral("Entity declarations are not allowed in configuration files.");
}

QString depthReason()
{
    return QStringLiteral("Elements are nested deeper than 1000 levels.");
}

QString budgetReason()
{
    return QStringLiteral("Reading the document takes too many steps: elements that collect what lies below "
                          "them are nested in each other too often.");
}

const QVector<Reader> &readers()
{
    static const QVector<Reader> list = {
        {"device map", "vo4725/device_config.xml", false, readDeviceConfig},
        {"device list", "device_list.xml", false, readDeviceList},
        {"device description", "vo4725/device_description.xml", false, readDeviceDescription},
        {"parameter definitions", "vo4725/param_definition.xml", false, readParamDefinition},
        {"parameter-command mapping", "vo4725/param_cmd_mapping.xml", false, readParamCmdMapping},
        {"radio parameters", "vo4725/radio_par_definitions.xml", false, readRadioPars},
        {"command definitions", "vo4725/rf_command_definitions.xml", false, readCommandDefinitions},
        {"overrides", "vo4725/overrides/override_hostile.xml", true, readOverrides},
        {"command settings", "vo4725/settings/categories.xml", false, readCommandSettings},
        {"PA settings", "vo4725/pa/pasettings.xml", true, readPaSettings},
        {"front ends", "vo4725/frontend_settings.xml", false, readFrontEnds},
        {"packet", "packet/hostile.xml", false, readPacket},
        {"code generation", "codegen.xml", false, readCodeGen},
    };
    return list;
}

const QVector<Input> &inputs()
{
    // The reason goes on with the file's size.
    const QString tooMany = QStringLiteral("The document holds too many elements, attributes and other nodes "
                                           "for a file of ");
    static const QVector<Input> list = {
        {"not well-formed", 2, QString(), notWellFormed},
        {"truncated", 2, QString(), truncated},
        {"entity bomb", 2, entityReason(), entityBomb},
        {"entity-borne nesting", 2, entityReason(), entityNesting},
        {"one entity used many times", 2, entityReason(), entityManyTimes},
        {"external entity", 2, entityReason(), externalEntity},
        {"100000 levels", 2, depthReason(), levels100000},
        {"1001 levels", 2, depthReason(), levels1001},
        {"1000 levels", 0, QString(), levels1000},
        {"UTF-16 LE, flat", 0, QString(), utf16LeFlat},
        {"UTF-16 BE, flat", 0, QString(), utf16BeFlat},
        {"UTF-16 LE without byte-order mark, flat", 0, QString(), utf16LeFlatNoMark},
        {"UTF-16 BE without byte-order mark, flat", 0, QString(), utf16BeFlatNoMark},
        {"UTF-16 LE, 1001 levels", 2, depthReason(), utf16LeDeep},
        {"UTF-16 BE without byte-order mark, 100000 levels", 2, depthReason(), utf16BeDeepNoMark},
        {"ISO-8859-1, flat", 0, QString(), latin1Flat},
        {"ISO-8859-1, 1001 levels", 2, depthReason(), latin1Deep},
        {"nested collectors", 0, QString(), collectorsNested, true},
        {"nested collectors at the loader's limits", 0, QString(), collectorsNestedLarge, true, true},
        {"collectors at the loader's limits", 0, QString(), collectorsFlatLarge, true, true},
        {"50 MB", 2, QStringLiteral("The file is larger than 16777216 bytes."), fiftyMegabytes},
        {"nearly 16 MiB of dense markup", 2, tooMany, nearlyLimitDense},
        {"nearly 16 MiB of text", 0, QString(), nearlyLimitText},
        // The decoder replaces bytes that are not UTF-8: the file loads.
        {"not UTF-8", 0, QString(), notUtf8},
        {"wrong encoding declaration", 2, QString(), wrongDeclaration},
        {"empty file", 2, QString(), emptyFile},
        {"directory", 1, QString(), directory},
        {"symlink loop", 1, QString(), symlinkLoop},
        {"dangling symlink", 1, QString(), danglingSymlink},
        {"fifo", 1, QString(), fifo},
    };
    return list;
}

bool prepareTree(FixtureTree const &tree)
{
    struct Entry { const char *file; const char *dir; };
    const Entry entries[] = {
        {"device_description.xml", "vo4725"},     {"param_definition.xml", "vo4725"},
        {"param_cmd_mapping.xml", "vo4725"},      {"radio_par_definitions.xml", "vo4725"},
        {"rf_command_definitions.xml", "vo4725"}, {"dummy_file_overrides.xml", "vo4725/overrides"},
        {"categories.xml", "vo4725/settings"},    {"pasettings.xml", "vo4725/pa"},
        {"frontend_settings.xml", "vo4725"},
    };
    QByteArray xml = "<DeviceConfig>\n";
    for (const Entry &entry : entries) {
        const QString dir = tree.path(QString::fromLatin1(entry.dir));
        if (!QDir().mkpath(dir))
            return false;
        xml += "  <path file=\"" + QByteArray(entry.file) + "\">" + dir.toUtf8() + "</path>\n";
    }
    return tree.mkdir(QStringLiteral("packet"))
           && tree.write(QStringLiteral("vo4725/device_config.xml"), xml + "</DeviceConfig>\n");
}

QString checkOutcome(Reader const &reader, Input const &input, QString const &path)
{
    const QStringList errors = DALCommon::getErrorList();
    const QString all = errors.join(QLatin1Char('\n'));
    // A directory listing passes over what is not a regular file.
    const int status = reader.listsFiles && input.status == 1 ? 0 : input.status;
    if (status == 0) {
        for (const QString &error : errors) {
            if (input.mayExhaustBudget && error.startsWith(QLatin1String("XML DOM parse failed"))
                && error.endsWith(budgetReason()))
                continue;
            if (error.startsWith(QLatin1String("File open failed: /"))
                || error.startsWith(QLatin1String("XML DOM parse failed")))
                return QStringLiteral("loader message for a file that loads:\n") + all;
        }
        return QString();
    }
    if (errors.isEmpty())
        return QStringLiteral("no message recorded");
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (status == 1) {
        const QString expected = QStringLiteral("File open failed: ") + absolute;
        return errors.first() == expected ? QString() : QStringLiteral("expected: ") + expected + "\ngot:\n" + all;
    }
    const QString prefix = QStringLiteral("XML DOM parse failed: ") + absolute + QStringLiteral(", line ");
    const int lf = errors.first().indexOf(QLatin1String(": \n"), prefix.size());
    if (!errors.first().startsWith(prefix) || lf < 0)
        return QStringLiteral("not the parse-failure framing:\n") + all;
    const QString reason = errors.first().mid(lf + 3);
    if (reason.isEmpty() || !reason.startsWith(input.reason))
        return QStringLiteral("reason: ") + reason;
    return QString();
}

} // namespace HostileFiles
