// Parameters and command layouts: param_definition.xml, param_cmd_mapping.xml,
// radio_par_definitions.xml, rf_command_definitions.xml and the override files.

#include "vocabularytables.h"

namespace Vocabulary {

namespace {

FileKind paramDefinition()
{
    FileKind kind = newKind("param_definition", "param_definition.xml", "param_definition.xml", "parameters",
                            "Parameter definitions",
                            "The parameters the host shows on its panels. Every child element of a `parGroup` is a "
                            "parameter, whatever its tag; each of its children is read once, the first of its name. "
                            "Keywords are found in the upper-cased text, the first one of the list that occurs wins.");
    const QStringList types{"COMPOSIT", "BOOL", "TEXT", "INT", "FLOAT", "LIST", "WIDGET", "BUTTON"};
    kind.elements = {
        E("ParamDefinition", "", Type::None, Optional, "The root element; its name is not checked."),
        E("parGroup", "ParamDefinition", Type::None, Optional, "The parameters of one panel.")
            .attr("name", Type::Keyword, Required, "The panel.", "0 (no panel)", panelKeywords()),
        E("Parameter", "parGroup", Type::None, Optional, "A parameter.")
            .attr("name", Type::Name, Required, "The name by which the host and param_cmd_mapping.xml find it.")
            .attr("type", Type::Keyword, Required, "The type; INTEGER reads as INT, POINTLIST too.", "0 (none)", types),
        E("Label", "Parameter", Type::Text, Once, "Label on the panel.").def("empty"),
        E("Unit", "Parameter", Type::Text, Once, "Unit shown beside the value.").def("empty"),
        E("DefValue", "Parameter", Type::Text, Once, "Default value.").def("empty"),
        E("Tooltip", "Parameter", Type::Text, Once, "Tooltip.").def("empty"),
        E("UrlHelp", "Parameter", Type::Text, Once, "Link to help.").def("empty"),
        E("ClassName", "Parameter", Type::Text, Once, "Widget class of the host.").def("empty"),
        E("Buddy", "Parameter", Type::Text, Once, "A widget shown with this one.").def("empty"),
        E("Access", "Parameter", Type::Access, Once, "R for read-only, RW for writable.").def("writable"),
        E("Editable", "Parameter", Type::YesNo, Once, "Whether the user may type a value.").def("no"),
        E("Visible", "Parameter", Type::YesNo, Once, "Whether the parameter is shown.").def("yes"),
        E("CmdUpdate", "Parameter", Type::YesNo, Once, "Whether a change updates the commands.").def("yes"),
        E("Row", "Parameter", Type::Integer, Once, "Row on the panel.").def("0"),
        E("Dependencies", "Parameter", Type::None, Once, "How the parameter follows other parameters."),
        E("Dependency", "Dependencies", Type::None, Optional, "One dependency.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the dependency."),
        E("Type", "Dependency", Type::Keyword, Once, "Kind of dependency.")
            .def("0 (none)")
            .keys({"DT_EQUAL", "DT_CODE", "DT_MAP"}),
        E("Group", "Dependency", Type::Keyword, Once, "Panel of the parameter it follows.")
            .def("0 (no panel)")
            .keys(panelKeywords()),
        E("Parameter", "Dependency", Type::Name, Once, "The parameter it follows, of this file.").def("empty"),
        E("Map", "Dependency", Type::None, Optional, "One value of the other parameter and this one's value."),
        E("From", "Map", Type::Text, Required | Once | ReaderMissing | ReaderValue, "Value of the other parameter."),
        E("To", "Map", Type::Text, Required | Once | ReaderMissing | ReaderValue, "Value of this parameter."),
        E("Validation", "Parameter", Type::None, Once, "How the host checks a value.")
            .attr("type", Type::Keyword, Required | ReaderMissing,
                  "MINMAX (needs Min and Max) or CODE (needs Name); without either keyword nothing is checked.", "",
                  {"MINMAX", "CODE"}),
        E("Min", "Validation", Type::Number, Once | ReaderMissing, "Smallest value, for MINMAX; kept as text."),
        E("Max", "Validation", Type::Number, Once | ReaderMissing, "Largest value, for MINMAX; kept as text."),
        E("Name", "Validation", Type::Name, Once | ReaderMissing, "The host's check, for CODE."),
        E("ListValues", "Parameter", Type::None, Once, "The choices of a LIST parameter, in order.")
            .attr("precision", Type::Integer, Optional, "Decimals the host shows.", "-1"),
        E("Value", "ListValues", Type::Text, Optional, "A choice; its text is the value behind it.")
            .attr("text", Type::Text, Required | ReaderMissing, "What the user sees."),
        E("Range", "ListValues", Type::None, Optional, "Choices from Begin to End in steps.")
            .attr("step", Type::Integer, Required | ReaderMissing | ReaderValue, "Step, a decimal integer."),
        E("Begin", "Range", Type::Number, Required | Once | ReaderMissing | ReaderValue,
          "First value; with a \".\" the range is decimal.")
            .attr("text", Type::Text, Optional, "What the user sees, %1 standing for the value.", "the value"),
        E("End", "Range", Type::Number, Required | Once | ReaderMissing | ReaderValue,
          "Last value, written like Begin."),
        E("Option", "Parameter", Type::Text, ReaderValue, "A setting for the host: its text is the value.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the option."),
    };
    kind.unique = {{"Parameter", "@name", true, false, "parameter"}};
    kind.example = "<ParamDefinition>\n"
                   "    <parGroup name=\"MainRfParameters\">\n"
                   "        <Parameter name=\"frequency\" type=\"FLOAT\">\n"
                   "            <Label>Frequency</Label>\n"
                   "            <Unit>MHz</Unit>\n"
                   "            <DefValue>868.0</DefValue>\n"
                   "            <Editable>yes</Editable>\n"
                   "            <Validation type=\"MINMAX\">\n"
                   "                <Min>779.0</Min>\n"
                   "                <Max>930.0</Max>\n"
                   "            </Validation>\n"
                   "        </Parameter>\n"
                   "    </parGroup>\n"
                   "</ParamDefinition>\n";
    return kind;
}

FileKind paramCmdMapping()
{
    FileKind kind = newKind(
        "param_cmd_mapping", "param_cmd_mapping.xml", "param_cmd_mapping.xml", "mapping", "Parameter-command mapping",
        "Which RF commands carry each parameter. The first `settings` block is the default mapping; "
        "each later block holds the mappings of the blocks before it and its own.");
    kind.elements = {
        E("ParamCmdMapping", "", Type::None, Optional, "The root element; its name is not checked."),
        E("settings", "ParamCmdMapping", Type::None, Optional, "A block of mappings."),
        E("name", "settings", Type::Name, Optional, "A setting the block serves."),
        E("parameters", "settings", Type::None, Required | ReaderMissing, "The block's mappings."),
        E("parameter", "parameters", Type::None, Required | ReaderMissing, "One mapping.")
            .attr("names", Type::NameList, Required | ReaderMissing,
                  "Parameters of param_definition.xml, separated by commas."),
        E("rfCommand", "parameter", Type::Name, Required | ReaderMissing,
          "A command of rf_command_definitions.xml that carries them."),
    };
    kind.example = "<ParamCmdMapping>\n"
                   "    <settings>\n"
                   "        <name>default</name>\n"
                   "        <parameters>\n"
                   "            <parameter names=\"frequency\">\n"
                   "                <rfCommand>CMD_FS</rfCommand>\n"
                   "            </parameter>\n"
                   "        </parameters>\n"
                   "    </settings>\n"
                   "</ParamCmdMapping>\n";
    return kind;
}

FileKind radioParDefinitions()
{
    FileKind kind
        = newKind("radio_par_definitions", "radio_par_definitions.xml", "radio_par_definitions.xml", "radioParameters",
                  "Radio parameter definitions", "Radio parameters and the positions of their fields.");
    kind.elements = {
        E("RadioParDefinitions", "", Type::None, Optional, "The root element; its name is not checked."),
        E("RadioPar", "RadioParDefinitions", Type::None, Optional, "A radio parameter.")
            .attr("name", Type::Name, Required, "Name of the radio parameter."),
        E("field", "RadioPar", Type::None, Optional, "A field of it.")
            .attr("name", Type::Name, Required, "Name of the field."),
        E("position", "field", Type::Unsigned8, Required | Once | FirstBelow | ReaderMissing | ReaderValue,
          "Position of the field."),
    };
    kind.unique = {{"RadioPar", "@name", true, false, "radio parameter"}, {"field", "@name", false, true, "field"}};
    kind.example = "<RadioParDefinitions>\n"
                   "    <RadioPar name=\"modulation\">\n"
                   "        <field name=\"modType\"><position>0</position></field>\n"
                   "        <field name=\"deviation\"><position>3</position></field>\n"
                   "    </RadioPar>\n"
                   "</RadioParDefinitions>\n";
    return kind;
}

FileKind rfCommandDefinitions()
{
    FileKind kind = newKind("rf_command_definitions", "rf_command_definitions.xml", "rf_command_definitions.xml",
                            "commands", "RF command definitions",
                            "The byte and bit layout of every RF command. The fields of a group's `CommonFields` come "
                            "first in every command of the group. Settings, PA and front-end files name commands and "
                            "fields of this file; a field is written `field` or `field.bitfield`.");
    const int range = Required | Once | FirstBelow | ReaderMissing | ReaderValue;
    kind.elements = {
        E("RfCommandDefinitions", "", Type::None, Optional, "The root element; its name is not checked."),
        E("CommandGroup", "RfCommandDefinitions", Type::None, Optional, "A group of commands.")
            .attr("name", Type::Text, Optional, "Name of the group."),
        E("CommonFields", "CommandGroup", Type::None, Once, "Fields every command of the group starts with."),
        E("Command", "CommandGroup", Type::None, Optional, "A command.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the command."),
        E("id", "Command", Type::Hex16, range, "Command id."),
        E("Description", "Command Field", Type::Text, Once | FirstBelow,
          "Description; a command's must stand before its fields.")
            .def("empty"),
        E("Field", "CommonFields Command", Type::None, Optional, "A field of the command.")
            .attr("name", Type::Name, Required | ReaderMissing, "Name of the field.")
            .attr("type", Type::Text, Optional, "\"pointer\" makes Offset, PtrType and PtrName count.", "empty"),
        E("ByteIndex", "Field", Type::IndexRange, range, "Bytes of the field, first..last (4..4 is one byte)."),
        E("Access", "Field", Type::Text, Once | FirstBelow, "Access, kept for the host.").def("empty"),
        E("Offset", "Field", Type::Unsigned8, Once | ReaderValue, "Offset of a pointer.").def("0"),
        E("PtrType", "Field", Type::Text, Once, "Type a pointer points at.").def("empty"),
        E("PtrName", "Field", Type::Text, Once, "Name of a pointer.").def("empty"),
        E("BitField", "Field", Type::None, Optional, "Bits of the field.")
            .attr("name", Type::Text, Optional, "Name of the bit field.", "empty"),
        E("BitIndex", "BitField", Type::IndexRange, range, "Bits, first..last."),
        E("BitDescription", "BitField", Type::Text, Once | FirstBelow, "Description.").def("empty"),
        E("BitAccess", "BitField", Type::Text, Once | FirstBelow, "Access, kept for the host.").def("empty"),
        E("Type", "BitField", Type::Text, Once | FirstBelow, "\"List\" makes the ListItem elements count.")
            .def("empty"),
        E("ListItem", "BitField", Type::None, Optional, "A value of a List bit field."),
        E("Value", "ListItem", Type::Text, Once | FirstBelow, "The value, as text.").def("empty"),
        E("Text", "ListItem", Type::Text, Once | FirstBelow, "What the value means.").def("empty"),
    };
    kind.unique = {{"Command", "@name", true, false, "command"}, {"BitField", "@name", false, false, "bit field"}};
    kind.example = "<RfCommandDefinitions>\n"
                   "    <CommandGroup name=\"Radio operation commands\">\n"
                   "        <Command name=\"CMD_FS\">\n"
                   "            <id>0x0803</id>\n"
                   "            <Description>Frequency synthesizer</Description>\n"
                   "            <Field name=\"frequency\">\n"
                   "                <ByteIndex>14..15</ByteIndex>\n"
                   "            </Field>\n"
                   "            <Field name=\"synthConf\">\n"
                   "                <ByteIndex>18..18</ByteIndex>\n"
                   "                <BitField name=\"bTxMode\">\n"
                   "                    <BitIndex>0..0</BitIndex>\n"
                   "                </BitField>\n"
                   "            </Field>\n"
                   "        </Command>\n"
                   "    </CommandGroup>\n"
                   "</RfCommandDefinitions>\n";
    return kind;
}

FileKind overrides()
{
    FileKind kind = newKind("overrides", "override_*.xml", "dummy_file_overrides.xml", "overrides", "Override files",
                            "Every file of the override directory whose name matches override_*.xml (letter case "
                            "ignored) is read, in name order; the directory is the one device_config.xml gives for "
                            "dummy_file_overrides.xml, a file that need not exist. Names must also match "
                            "override_NAME.xml in lower case.");
    kind.elements = {
        E("OverrideDefinition", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Overrides", "OverrideDefinition", Type::None, Optional, "Holds the entries."),
        E("Element32b", "Overrides OverrideDefinition", Type::Text, Optional, "An override entry, kept as text.")
            .attr("type", Type::Text, Optional, "Kind of entry.", "empty")
            .attr("comment", Type::Text, Optional, "Comment.", "empty"),
        E("WriteCustom", "OverrideDefinition Overrides", Type::None, Optional, "Named bytes to write.")
            .attr("name", Type::Text, Optional, "Name.", "empty"),
        E("Values", "WriteCustom", Type::ByteList, Required | Once | FirstBelow | ReaderMissing | ReaderValue,
          "The bytes, decimal, separated by commas."),
    };
    kind.example = "<OverrideDefinition>\n"
                   "    <Overrides>\n"
                   "        <Element32b type=\"HW_REG_OVERRIDE\" comment=\"Tx shape\">0x00F388D3</Element32b>\n"
                   "    </Overrides>\n"
                   "    <WriteCustom name=\"frontEndInit\">\n"
                   "        <Values>16, 0, 255, 1</Values>\n"
                   "    </WriteCustom>\n"
                   "</OverrideDefinition>\n";
    return kind;
}

} // namespace

QList<FileKind> parameterKinds()
{
    return {paramDefinition(), paramCmdMapping(), radioParDefinitions(), rfCommandDefinitions(), overrides()};
}

} // namespace Vocabulary
