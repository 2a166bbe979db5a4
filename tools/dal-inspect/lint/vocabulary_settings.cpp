// Command settings: categories.xml, setting and test-function files, PA
// tables and front ends, which all list commands in one syntax.

#include "vocabularytables.h"

namespace Vocabulary {

QList<Element> commandElements(char const *parents)
{
    return {
        E("Command", parents, Type::None, Optional, "A command of rf_command_definitions.xml and its values.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the command; commands merge by it.")
            .attr("function", Type::Text, Optional, "Kept for the host.", "empty"),
        E("Field", "Command", Type::Text, Optional,
          "A value of a field of the command: `field` or "
          "`field.bitfield`; the text is kept as written.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the field; fields merge by it.")
            .attr("tfOverride", Type::NoFlag, Optional, "Whether a test function may change it.", "yes"),
        E("OverrideField", "Command", Type::None, Optional, "Override blocks of the command.")
            .attr("name", Type::Name, Required,
                  "The override field the blocks belong to; without it they are "
                  "not used."),
        E("Block", "OverrideField", Type::Text, Optional, "An override block, kept as text."),
    };
}

QList<Unique> commandUniques()
{
    return {{"Command", "@name", false, false, "command"}, {"Field", "@name", false, false, "field"}};
}

namespace {

FileKind categories()
{
    FileKind kind = newKind("categories", "categories.xml", "categories.xml", "settings", "Setting categories",
                            "The categories of command settings and the setting files of each, which are read from "
                            "the directory of categories.xml (their whole path lower-cased), together with the "
                            "test-function files they name.");
    kind.elements = {
        E("RfCommandSettings", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Default", "RfCommandSettings", Type::None, Required | Once | FirstBelow | ReaderMissing,
          "The setting the host starts with."),
        E("DefCategory", "Default", Type::Name, Required | Once, "Name of its category."),
        E("DefSetting", "Default", Type::Name, Required | Once, "The setting, as its category lists it."),
        E("Category", "RfCommandSettings", Type::None, Optional, "A category."),
        E("Name", "Category", Type::Name, Required | Once, "Name of the category; lookups find it by it."),
        E("Description", "Category", Type::Text, Once, "Description.").def("empty"),
        E("Setting", "Category", Type::File, ReaderValue,
          "A setting file, relative to this file's directory; also the setting's key.")
            .attr("options", Type::Text, Optional, "Options, kept as text.", "empty"),
    };
    kind.unique = {{"Category", "Name", true, false, "category"}, {"Setting", ".", false, false, "setting"}};
    kind.example = "<RfCommandSettings>\n"
                   "    <Default>\n"
                   "        <DefCategory>Proprietary 868 MHz</DefCategory>\n"
                   "        <DefSetting>prop_868_50kbps.xml</DefSetting>\n"
                   "    </Default>\n"
                   "    <Category>\n"
                   "        <Name>Proprietary 868 MHz</Name>\n"
                   "        <Description>2-GFSK settings</Description>\n"
                   "        <Setting options=\"whitening=on\">prop_868_50kbps.xml</Setting>\n"
                   "    </Category>\n"
                   "</RfCommandSettings>\n";
    return kind;
}

FileKind setting()
{
    FileKind kind = newKind("setting", "SETTING.xml", "", "settings", "Setting files",
                            "One command setting, named by a `Setting` of categories.xml. Its commands are merged with "
                            "those of a test function, PA level or front end by command name and field name.");
    kind.elements = {
        E("RfCommandSettings", "", Type::None, Optional, "The root element; its name is not checked."),
        E("setting", "RfCommandSettings", Type::None, Optional,
          "The setting (lower-case s); several in one file make one setting."),
        E("Name", "setting", Type::Text, Once, "Name shown to the user.").def("empty"),
        E("Description", "setting", Type::Text, Once, "Description.").def("empty"),
        E("Frequency", "setting", Type::Number, Once, "Frequency, kept as text.").def("empty"),
        E("Patch", "setting", Type::None, Once, "Patches the setting needs."),
        E("Define", "Patch", Type::Text, Once, "Kept for the host.").def("empty"),
        E("Cpe", "Patch", Type::Text, Once, "Kept for the host.").def("empty"),
        E("Mce", "Patch", Type::Text, Once, "Kept for the host.").def("empty"),
        E("Rfe", "Patch", Type::Text, Once, "Kept for the host.").def("empty"),
        E("TestFunc", "setting", Type::None, Once, "Files with the commands of each test function."),
        E("ContTX", "TestFunc", Type::File, Once, "Continuous transmit, relative to categories.xml."),
        E("ContRX", "TestFunc", Type::File, Once, "Continuous receive."),
        E("PacketTX", "TestFunc", Type::File, Once, "Packet transmit."),
        E("PacketRX", "TestFunc", Type::File, Once, "Packet receive."),
    };
    kind.elements += commandElements("setting");
    kind.unique = commandUniques();
    kind.example = "<RfCommandSettings>\n"
                   "    <setting>\n"
                   "        <Name>50 kbps, 2-GFSK</Name>\n"
                   "        <Frequency>868.0</Frequency>\n"
                   "        <TestFunc>\n"
                   "            <ContTX>tf/cont_tx.xml</ContTX>\n"
                   "        </TestFunc>\n"
                   "        <Command name=\"CMD_FS\">\n"
                   "            <Field name=\"frequency\">868</Field>\n"
                   "            <Field name=\"synthConf.bTxMode\" tfOverride=\"no\">0</Field>\n"
                   "        </Command>\n"
                   "    </setting>\n"
                   "</RfCommandSettings>\n";
    return kind;
}

FileKind testFunction()
{
    FileKind kind = newKind("test_function", "TEST_FUNCTION.xml", "", "settings", "Test-function files",
                            "The commands a test function merges into a setting, named by a setting's `TestFunc`.");
    kind.elements = {E("RfCommandSettings", "", Type::None, Optional, "The root element; its name is not checked.")};
    kind.elements += commandElements("RfCommandSettings");
    kind.unique = commandUniques();
    kind.example = "<RfCommandSettings>\n"
                   "    <Command name=\"CMD_FS\">\n"
                   "        <Field name=\"synthConf.bTxMode\">1</Field>\n"
                   "    </Command>\n"
                   "</RfCommandSettings>\n";
    return kind;
}

FileKind paSettings()
{
    FileKind kind
        = newKind("pasettings", "pasettings*.xml", "pasettings.xml", "pa", "PA settings",
                  "Output-power tables. Every file of the directory device_config.xml gives for pasettings.xml "
                  "whose name matches pasettings*.xml (letter case ignored) is read, in name order; a file "
                  "with a fault is dropped together with every file after it. A frequency picks the first "
                  "range of the RF design that holds it, else the default table.");
    const int number = Required | Once | FirstBelow | ReaderMissing | ReaderValue;
    kind.elements = {
        E("pasettings", "", Type::None, Optional, "The root element; its name is not checked."),
        E("RfDesign", "pasettings", Type::None, Optional, "The tables of one RF design.")
            .attr("name", Type::Name, Required, "Name of the design."),
        E("FrequencyRange", "RfDesign", Type::None, Optional, "A frequency range and its table."),
        E("Min", "FrequencyRange", Type::Unsigned16, number, "Lowest frequency, inclusive."),
        E("Max", "FrequencyRange", Type::Unsigned16, number, "Highest frequency, inclusive."),
        E("PaSettingTable", "FrequencyRange", Type::None, Once | FirstBelow, "The levels of the range."),
        E("PaSetting", "PaSettingTable DefaultPaTable", Type::None, Optional, "An output-power level.")
            .attr("text", Type::Name, Required | ReaderMissing, "Name of the level, by which it is found."),
        E("Value", "PaSetting", Type::Hex16, number, "PA value."),
        E("TxHighPa", "PaSetting", Type::Hex32, Once | FirstBelow | ReaderValue, "High-power PA value.")
            .def("0xFFFFFFFF"),
        E("Option", "PaSetting", Type::Text, ReaderValue, "An option of the level: its text is the value.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the option."),
        E("DefaultPaTable", "pasettings", Type::None, Required | Once | FirstBelow | ReaderMissing,
          "The levels for a design or frequency no range holds."),
    };
    kind.elements += commandElements("PaSetting");
    kind.unique = commandUniques();
    kind.unique += {{"RfDesign", "@name", true, false, "RF design"}, {"PaSetting", "@text", false, false, "PA level"}};
    kind.example = "<pasettings>\n"
                   "    <RfDesign name=\"VO4725EM-868\">\n"
                   "        <FrequencyRange>\n"
                   "            <Min>863</Min>\n"
                   "            <Max>876</Max>\n"
                   "            <PaSettingTable>\n"
                   "                <PaSetting text=\"14 dBm\">\n"
                   "                    <Value>0xA63F</Value>\n"
                   "                    <Command name=\"CMD_PROP_RADIO_SETUP\">\n"
                   "                        <Field name=\"txPower\">0xA63F</Field>\n"
                   "                    </Command>\n"
                   "                </PaSetting>\n"
                   "            </PaSettingTable>\n"
                   "        </FrequencyRange>\n"
                   "    </RfDesign>\n"
                   "    <DefaultPaTable>\n"
                   "        <PaSetting text=\"0 dBm\">\n"
                   "            <Value>0x0041</Value>\n"
                   "        </PaSetting>\n"
                   "    </DefaultPaTable>\n"
                   "</pasettings>\n";
    return kind;
}

FileKind frontEndSettings()
{
    FileKind kind = newKind("frontend_settings", "frontend_settings.xml", "frontend_settings.xml", "frontEnds",
                            "Front-end settings",
                            "The commands each RF front end needs, per frequency range. A frequency picks the first "
                            "range that holds it, else the range with Min and Max 0. A front end without ranges has "
                            "its commands in one such range.");
    kind.elements = {
        E("FrontEndSettings", "", Type::None, Optional, "The root element; its name is not checked."),
        E("FrontEnd", "FrontEndSettings", Type::None, Optional, "A front end.")
            .attr("name", Type::Name, Required, "Name of the front end."),
        E("FrequencyRange", "FrontEnd", Type::None, Optional, "A range and its commands."),
        E("Min", "FrequencyRange", Type::Unsigned16, Once | FirstBelow, "Lowest frequency, inclusive.").def("0"),
        E("Max", "FrequencyRange", Type::Unsigned16, Required | Once | FirstBelow | ReaderMissing | ReaderValue,
          "Highest frequency, inclusive."),
    };
    kind.elements += commandElements("FrontEnd FrequencyRange");
    kind.unique = commandUniques();
    kind.unique += {{"FrontEnd", "@name", true, true, "front end"}};
    kind.example = "<FrontEndSettings>\n"
                   "    <FrontEnd name=\"Differential\">\n"
                   "        <FrequencyRange>\n"
                   "            <Min>863</Min>\n"
                   "            <Max>876</Max>\n"
                   "            <Command name=\"CMD_PROP_RADIO_SETUP\">\n"
                   "                <Field name=\"config.frontEndMode\">0</Field>\n"
                   "            </Command>\n"
                   "        </FrequencyRange>\n"
                   "    </FrontEnd>\n"
                   "</FrontEndSettings>\n";
    return kind;
}

} // namespace

QList<FileKind> settingKinds()
{
    return {categories(), setting(), testFunction(), paSettings(), frontEndSettings()};
}

} // namespace Vocabulary
