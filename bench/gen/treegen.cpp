#include "treegen.h"
#include "treetexts.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace TreeGen {

namespace Text {

const char *const kTfTags[] = {"ContTX", "ContRX", "PacketTX", "PacketRX"};
const char *const kTfSuffix[] = {"ctx", "crx", "ptx", "prx"};

QString number(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

QString header(const char *root)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- Generated benchmark tree. -->\n<%1>\n")
        .arg(QLatin1String(root));
}

QString footer(const char *root)
{
    return QStringLiteral("</%1>\n").arg(QLatin1String(root));
}

bool save(const QString &path, const QString &text, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int definedCommands(const Params &p)
{
    // One more than a setting uses, so that test functions can add a command.
    return std::max(p.rfCommands, p.commandsPerSetting + 1);
}

int definedFields(const Params &p)
{
    return std::max(p.fieldsPerCommand, 1);
}

// One Command element with fields 0..fields-1; value varies with seed.
QString command(int index, int fields, int seed, const QString &indent, bool overrides)
{
    QString text = indent + QStringLiteral("<Command name=\"%1\">\n").arg(commandName(index));
    for (int f = 0; f < fields; ++f) {
        text += indent + QStringLiteral("    <Field name=\"%1\">0x%2</Field>\n")
                             .arg(fieldName(f))
                             .arg((seed * 31 + index * 7 + f) & 0xFFFF, 4, 16, QLatin1Char('0'));
    }
    if (overrides) {
        text += indent + QStringLiteral("    <OverrideField name=\"ovr%1\">\n").arg(number(index));
        text += indent + QStringLiteral("        <Block>0x%1</Block>\n").arg(seed & 0xFFFFFF, 8, 16, QLatin1Char('0'));
        text += indent + QStringLiteral("        <Block>0x%1</Block>\n").arg((seed + 1) & 0xFFFFFF, 8, 16, QLatin1Char('0'));
        text += indent + QStringLiteral("    </OverrideField>\n");
    }
    text += indent + QStringLiteral("</Command>\n");
    return text;
}

QString deviceDescription(int device)
{
    QString text = header("DeviceDescription");
    text += QStringLiteral("    <Brief>Generated device %1</Brief>\n").arg(device);
    text += QStringLiteral("    <Description>Synthetic device %1 of the benchmark tree</Description>\n").arg(device);
    text += QStringLiteral("    <Photo>images/%1.png</Photo>\n").arg(deviceName(device).toLower());
    text += QStringLiteral("    <URL>https://devices.example.org/%1</URL>\n").arg(deviceName(device).toLower());
    text += QStringLiteral("    <UiClass>PROP-A</UiClass>\n");
    return text + footer("DeviceDescription");
}

QString deviceList(const Params &p)
{
    QString text = header("DeviceList");
    text += QStringLiteral("    <version>1.0.0</version>\n");
    const int groups = std::max(1, std::min(p.devices, 8));
    for (int g = 0; g < groups; ++g) {
        text += QStringLiteral("    <DeviceGroup>\n        <GroupName>Group %1</GroupName>\n"
                               "        <Description>Generated group %1</Description>\n").arg(g);
        for (int d = g; d < p.devices; d += groups)
            text += QStringLiteral("        <DeviceName>%1</DeviceName>\n").arg(deviceName(d));
        text += QStringLiteral("    </DeviceGroup>\n");
    }
    for (int d = 0; d < p.devices; ++d) {
        text += QStringLiteral("    <Device>\n        <DeviceName family=\"VO47\">%1</DeviceName>\n"
                               "        <Brief>Generated device %2</Brief>\n"
                               "        <DeviceType>Transceiver</DeviceType>\n    </Device>\n")
                    .arg(deviceName(d)).arg(d);
    }
    return text + footer("DeviceList");
}

QString paramDefinition(const Params &p)
{
    QString text = header("ParamDefinition");
    text += QStringLiteral("    <parGroup name=\"MainRfParameters\">\n");
    for (int i = 0; i < p.parameters; ++i) {
        text += QStringLiteral("        <Parameter name=\"%1\" type=\"INT\">\n"
                               "            <Label>Parameter %2</Label>\n"
                               "            <DefValue>%2</DefValue>\n"
                               "            <Row>%2</Row>\n"
                               "            <Validation type=\"MINMAX\">\n"
                               "                <Min>0</Min>\n"
                               "                <Max>100000</Max>\n"
                               "            </Validation>\n"
                               "        </Parameter>\n").arg(parameterName(i)).arg(i);
    }
    text += QStringLiteral("    </parGroup>\n");
    return text + footer("ParamDefinition");
}

QString paramCmdMapping(const Params &p)
{
    QString text = header("ParamCmdMapping");
    text += QStringLiteral("    <settings>\n        <name>default</name>\n        <parameters>\n");
    for (int i = 0; i < p.parameters; ++i) {
        text += QStringLiteral("            <parameter names=\"%1\">\n"
                               "                <rfCommand>%2</rfCommand>\n"
                               "            </parameter>\n")
                    .arg(parameterName(i), commandName(i % definedCommands(p)));
    }
    text += QStringLiteral("        </parameters>\n    </settings>\n");
    return text + footer("ParamCmdMapping");
}

QString radioParDefinitions()
{
    QString text = header("RadioParDefinitions");
    for (int r = 0; r < 4; ++r) {
        text += QStringLiteral("    <RadioPar name=\"radioPar%1\">\n").arg(r);
        for (int f = 0; f < 4; ++f)
            text += QStringLiteral("        <field name=\"bits%1\"><position>%2</position></field>\n").arg(f).arg(f * 4);
        text += QStringLiteral("    </RadioPar>\n");
    }
    return text + footer("RadioParDefinitions");
}

QString rfCommandDefinitions(const Params &p)
{
    QString text = header("RfCommandDefinitions");
    text += QStringLiteral("    <CommandGroup name=\"Generated commands\">\n");
    for (int c = 0; c < definedCommands(p); ++c) {
        text += QStringLiteral("        <Command name=\"%1\">\n"
                               "            <id>0x%2</id>\n"
                               "            <Description>Generated command %3</Description>\n")
                    .arg(commandName(c)).arg(0x1000 + c, 4, 16, QLatin1Char('0')).arg(c);
        for (int f = 0; f < definedFields(p); ++f) {
            text += QStringLiteral("            <Field name=\"%1\">\n"
                                   "                <ByteIndex>%2..%3</ByteIndex>\n"
                                   "                <Description>Field %4</Description>\n"
                                   "            </Field>\n")
                        .arg(fieldName(f)).arg(f * 2).arg(f * 2 + 1).arg(f);
        }
        text += QStringLiteral("        </Command>\n");
    }
    text += QStringLiteral("    </CommandGroup>\n");
    return text + footer("RfCommandDefinitions");
}

QString overrideFile(int index)
{
    QString text = header("OverrideDefinition");
    text += QStringLiteral("    <Overrides>\n");
    for (int e = 0; e < 8; ++e) {
        text += QStringLiteral("        <Element32b type=\"HW_REG_OVERRIDE\" comment=\"Override %1\">0x%2</Element32b>\n")
                    .arg(e).arg(index * 256 + e, 8, 16, QLatin1Char('0'));
    }
    text += QStringLiteral("        <Element32b type=\"END_OVERRIDE\" comment=\"End\">0xFFFFFFFF</Element32b>\n");
    text += QStringLiteral("    </Overrides>\n");
    return text + footer("OverrideDefinition");
}

QString categories(const Params &p)
{
    QString text = header("RfCommandSettings");
    text += QStringLiteral("    <Default>\n        <DefCategory>%1</DefCategory>\n"
                           "        <DefSetting>%2</DefSetting>\n    </Default>\n")
                .arg(categoryName(0), settingFile(0, 0));
    for (int c = 0; c < p.categories; ++c) {
        text += QStringLiteral("    <Category>\n        <Name>%1</Name>\n"
                               "        <Description>Generated category %2</Description>\n").arg(categoryName(c)).arg(c);
        for (int s = 0; s < p.settingsPerCategory; ++s)
            text += QStringLiteral("        <Setting options=\"index=%1\">%2</Setting>\n").arg(s).arg(settingFile(c, s));
        text += QStringLiteral("    </Category>\n");
    }
    return text + footer("RfCommandSettings");
}

int tfGroup(const Params &p, int category, int setting)
{
    return (category * p.settingsPerCategory + setting) / std::max(1, p.settingsPerTfFile);
}

QString tfFile(int group, int function)
{
    return QStringLiteral("tf/tf_%1_%2.xml").arg(number(group, 5), QLatin1String(kTfSuffix[function]));
}

QString settingText(const Params &p, int category, int setting)
{
    const int seed = category * 1000 + setting;
    QString text = header("RfCommandSettings");
    text += QStringLiteral("    <setting>\n        <Name>Setting %1.%2</Name>\n"
                           "        <Description>Generated setting %1.%2</Description>\n"
                           "        <Frequency>868.0</Frequency>\n"
                           "        <Patch>\n            <Define>PATCH_GEN</Define>\n"
                           "            <Cpe>rf_patch_cpe_gen</Cpe>\n            <Mce></Mce>\n"
                           "            <Rfe></Rfe>\n        </Patch>\n").arg(category).arg(setting);
    const int functions = std::min(std::max(p.tfFilesPerSetting, 0), 4);
    if (functions > 0) {
        text += QStringLiteral("        <TestFunc>\n");
        for (int f = 0; f < functions; ++f) {
            text += QStringLiteral("            <%1>%2</%1>\n")
                        .arg(QLatin1String(kTfTags[f]), tfFile(tfGroup(p, category, setting), f));
        }
        text += QStringLiteral("        </TestFunc>\n");
    }
    for (int c = 0; c < p.commandsPerSetting; ++c)
        text += command(c, p.fieldsPerCommand, seed, QStringLiteral("        "), c == 0);
    text += QStringLiteral("    </setting>\n");
    return text + footer("RfCommandSettings");
}

// A test function changes the first two commands and adds the one after the
// setting's commands.
QString tfText(const Params &p, int group, int function)
{
    QString text = header("RfCommandSettings");
    const int seed = group * 10 + function;
    const int fields = std::max(1, p.fieldsPerCommand / 2);
    for (int c = 0; c < std::min(2, p.commandsPerSetting); ++c)
        text += command(c, fields, seed, QStringLiteral("    "));
    text += command(p.commandsPerSetting, fields, seed, QStringLiteral("    "));
    return text + footer("RfCommandSettings");
}

QString paLevel(const Params &p, int design, int level, const QString &indent)
{
    QString text = indent + QStringLiteral("<PaSetting text=\"%1 dBm\">\n").arg(level);
    text += indent + QStringLiteral("    <Value>0x%1</Value>\n").arg((design * 64 + level) & 0xFFFF, 4, 16, QLatin1Char('0'));
    for (int c = 0; c < p.commandsPerSetting; ++c)
        text += command(c, std::min(p.fieldsPerCommand, 2), design * 100 + level, indent + QStringLiteral("    "));
    text += indent + QStringLiteral("</PaSetting>\n");
    return text;
}

QString paSettings(const Params &p)
{
    QString text = header("pasettings");
    for (int d = 0; d < p.paDesigns; ++d) {
        text += QStringLiteral("    <RfDesign name=\"%1\">\n        <FrequencyRange>\n"
                               "            <Min>100</Min>\n            <Max>1000</Max>\n"
                               "            <PaSettingTable>\n").arg(designName(d));
        for (int l = 0; l < p.paLevels; ++l)
            text += paLevel(p, d, l, QStringLiteral("                "));
        text += QStringLiteral("            </PaSettingTable>\n        </FrequencyRange>\n    </RfDesign>\n");
    }
    text += QStringLiteral("    <DefaultPaTable>\n");
    text += paLevel(p, 0, 0, QStringLiteral("        "));
    text += QStringLiteral("    </DefaultPaTable>\n");
    return text + footer("pasettings");
}

QString frontEndSettings(const Params &p)
{
    QString text = header("FrontEndSettings");
    for (int e = 0; e < p.frontEnds; ++e) {
        text += QStringLiteral("    <FrontEnd name=\"%1\">\n        <FrequencyRange>\n"
                               "            <Min>100</Min>\n            <Max>1000</Max>\n").arg(frontEndName(e));
        text += command(0, std::min(p.fieldsPerCommand, 4), e, QStringLiteral("            "));
        text += QStringLiteral("        </FrequencyRange>\n        <FrequencyRange>\n"
                               "            <Min>0</Min>\n            <Max>0</Max>\n");
        text += command(0, std::min(p.fieldsPerCommand, 2), e + 1, QStringLiteral("            "));
        text += QStringLiteral("        </FrequencyRange>\n    </FrontEnd>\n");
    }
    return text + footer("FrontEndSettings");
}

QString deviceConfig(const QString &root, const Params &p, int device, bool full)
{
    const QString base = (p.absolutePaths ? QDir(root).absolutePath() + QLatin1Char('/') : QString())
                         + deviceName(device).toLower();
    QString text = header("DeviceConfig");
    auto path = [&](const char *file, const QString &dir) {
        text += QStringLiteral("    <path file=\"%1\">%2</path>\n").arg(QLatin1String(file), dir);
    };
    path("device_description.xml", base);
    if (full) {
        path("param_definition.xml", base);
        path("param_cmd_mapping.xml", base);
        path("radio_par_definitions.xml", base);
        path("rf_command_definitions.xml", base);
        if (p.overrideFiles > 0)
            path("dummy_file_overrides.xml", base + QStringLiteral("/overrides"));
        path("categories.xml", base + QStringLiteral("/settings"));
        path("pasettings.xml", base + QStringLiteral("/pa"));
        path("frontend_settings.xml", base);
    }
    return text + footer("DeviceConfig");
}

} // namespace Text

using Text::number;

QString deviceName(int index) { return QStringLiteral("VO47%1").arg(number(index, 5)); }
QString commandName(int index) { return QStringLiteral("CMD_%1").arg(number(index)); }
QString fieldName(int index) { return QStringLiteral("field%1").arg(number(index, 3)); }
QString parameterName(int index) { return QStringLiteral("param%1").arg(number(index, 5)); }
QString categoryName(int index) { return QStringLiteral("Category %1").arg(number(index)); }
QString designName(int index) { return QStringLiteral("DESIGN-%1").arg(number(index, 5)); }
QString frontEndName(int index) { return QStringLiteral("Front end %1").arg(number(index, 5)); }
QString settingFile(int category, int setting)
{
    return QStringLiteral("setting_%1_%2.xml").arg(number(category), number(setting, 5));
}

} // namespace TreeGen
