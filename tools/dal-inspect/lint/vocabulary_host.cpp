// Documents the host parses and hands over (device definition, IO pins and
// registers, targets, UI names), packet formats and code-generation comments.

#include "vocabularytables.h"

namespace Vocabulary {

namespace {

FileKind hostDocument(char const *id, char const *key, char const *reader, char const *title, char const *about)
{
    FileKind kind = newKind(id, key, key, reader, title, about);
    kind.about += QStringLiteral(" The host parses the file and hands the document over; dal-inspect checks "
                                 "the file that device_config.xml names under this key.");
    kind.readByCheck = false;
    return kind;
}

FileKind deviceDefinition()
{
    FileKind kind = hostDocument("device_definition", "device_definition.xml", "deviceDefinition", "Device definition",
                                 "The packages of a device and the IO pins of each.");
    kind.elements = {
        E("DeviceDefinition", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Package", "DeviceDefinition", Type::None, Optional, "A package.")
            .attr("name", Type::Name, Required, "Name of the package."),
        E("IoPin", "Package", Type::None, Optional, "A pin of the package.")
            .attr("name", Type::Name, Required, "Name of the pin, as io_pins.xml names it."),
    };
    kind.unique = {{"Package", "@name", true, false, "package"}, {"IoPin", "@name", false, false, "pin"}};
    kind.example = "<DeviceDefinition>\n"
                   "    <Package name=\"QFN20\">\n"
                   "        <IoPin name=\"GPIO0\"/>\n"
                   "    </Package>\n"
                   "</DeviceDefinition>\n";
    return kind;
}

FileKind ioPins()
{
    FileKind kind = hostDocument("io_pins", "io_pins.xml", "ioPins", "IO pin definitions",
                                 "The functions, signals and register settings of every IO pin; a pin may "
                                 "inherit those of a pin before it.");
    kind.elements = {
        E("IoPins", "", Type::None, Optional, "The root element; its name is not checked."),
        E("IoPin", "IoPins", Type::None, Optional, "A pin.")
            .attr("name", Type::Name, Required, "Name of the pin.")
            .attr("package", Type::Text, Optional, "Package; a pin that inherits takes its parent's.", "empty")
            .attr("inherits", Type::Name, Optional, "A pin before this one whose functions it takes over.", "none"),
        E("SoftwareName", "IoPin", Type::Text, Once | FirstBelow, "Name used in software.").def("empty"),
        E("ControlFunction", "IoPin", Type::None, Optional, "A function of the pin.")
            .attr("name", Type::Name, Required, "Name, for example Input/Output or Radio.")
            .attr("type", Type::Text, Optional, "Type; replaces the inherited one when given.", "empty"),
        E("Signal", "ControlFunction", Type::None, Optional, "A signal of the function.")
            .attr("name", Type::Name, Required, "Name of the signal."),
        E("Register", "Signal", Type::None, Optional, "A register setting of the signal.")
            .attr("name", Type::Name, Required, "Name, as io_registers.xml names it.")
            .attr("translateName", Type::Text, Optional, "old:new renames an inherited register.", "empty"),
        E("Mask", "Register", Type::Text, Once | FirstBelow, "Mask, kept as text.").def("empty"),
        E("Value", "Register", Type::Text, Once | FirstBelow, "Value, kept as text.").def("empty"),
    };
    kind.unique = {{"IoPin", "@name", true, false, "IO pin"}};
    kind.example = "<IoPins>\n"
                   "    <IoPin name=\"GPIO0\" package=\"QFN20\">\n"
                   "        <ControlFunction name=\"Radio\" type=\"Digital\">\n"
                   "            <Signal name=\"Sync word\">\n"
                   "                <Register name=\"IOCFG0\"><Mask>0x3F</Mask><Value>0x06</Value></Register>\n"
                   "            </Signal>\n"
                   "        </ControlFunction>\n"
                   "    </IoPin>\n"
                   "    <IoPin name=\"GPIO1\" inherits=\"GPIO0\">\n"
                   "        <ControlFunction name=\"Radio\">\n"
                   "            <Signal name=\"Sync word\">\n"
                   "                <Register name=\"IOCFG1\" translateName=\"IOCFG0:IOCFG1\"/>\n"
                   "            </Signal>\n"
                   "        </ControlFunction>\n"
                   "    </IoPin>\n"
                   "</IoPins>\n";
    return kind;
}

FileKind ioRegisters()
{
    FileKind kind = hostDocument("io_registers", "io_registers.xml", "ioRegisters", "IO register definitions",
                                 "The addresses of the registers the IO pins name.");
    kind.elements = {
        E("IoRegisters", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Register", "IoRegisters", Type::None, Optional, "A register.")
            .attr("name", Type::Name, Required, "Name of the register.")
            .attr("address", Type::Hex32, Required, "Address."),
    };
    kind.unique = {{"Register", "@name", true, false, "register"}};
    kind.example = "<IoRegisters>\n"
                   "    <Register name=\"IOCFG0\" address=\"0x0003\"/>\n"
                   "</IoRegisters>\n";
    return kind;
}

FileKind targets()
{
    FileKind kind = newKind("targets", "targets/targets.xml", "", "targets", "Targets",
                            "The boards a device is used on, one target file each, in the directory of targets.xml. "
                            "The host parses it; dal-inspect checks targets/targets.xml below the root.");
    kind.readByCheck = false;
    kind.elements = {
        E("Targets", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Target", "Targets VirtualTarget", Type::File, Required, "A target file of this directory."),
        E("VirtualTarget", "Targets", Type::None, Optional, "Its targets again, under another name.")
            .attr("name", Type::Name, Required, "Name of the virtual target."),
        E("Default", "Targets", Type::Text, Once, "The default: a target file, or file:name for a virtual target.")
            .def("none"),
    };
    kind.example = "<Targets>\n"
                   "    <Target>eval_board_868.xml</Target>\n"
                   "    <VirtualTarget name=\"ExtAntenna\">\n"
                   "        <Target>eval_board_868.xml</Target>\n"
                   "    </VirtualTarget>\n"
                   "    <Default>eval_board_868.xml</Default>\n"
                   "</Targets>\n";
    return kind;
}

FileKind target()
{
    FileKind kind
        = newKind("target", "targets/TARGET.xml", "", "targets", "Target files",
                  "One board, named by targets.xml. Each value is the first element of its name in the file.");
    kind.readByCheck = false;
    const int value = Once | FirstBelow;
    kind.elements = {
        E("TargetDefinition", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Name", "TargetDefinition", Type::Text, value, "Name of the target.").def("empty"),
        E("Description", "TargetDefinition", Type::Text, value, "Description.").def("empty"),
        E("DeviceName", "TargetDefinition", Type::Text, value, "The device on the board.").def("empty"),
        E("DevicePackage", "TargetDefinition", Type::Text, value, "Its package.").def("empty"),
        E("PaSettings", "TargetDefinition", Type::Text, value, "Its PA settings file.").def("empty"),
        E("FrontEnd", "TargetDefinition", Type::Text, value, "Its front end.").def("empty"),
        E("RfDesign", "TargetDefinition", Type::Text, value, "Its RF design.").def("empty"),
        E("DefaultCategory", "TargetDefinition", Type::Text, value, "The category to start with.").def("empty"),
        E("IoSettings", "TargetDefinition", Type::None, Optional, "Levels of the IO pins."),
        E("IoPin", "IoSettings", Type::None, Optional, "A pin.").attr("name", Type::Name, Required, "Name of the pin."),
        E("ControlFunction", "IoPin", Type::Text, Once, "Its function.").def("empty"),
        E("RadioSignal", "IoPin", Type::Text, Once, "Its radio signal.").def("empty"),
        E("Idle", "IoPin", Type::Text, Once, "Level when idle.").def("empty"),
        E("Tx", "IoPin", Type::Text, Once, "Level while transmitting.").def("empty"),
        E("Rx", "IoPin", Type::Text, Once, "Level while receiving.").def("empty"),
    };
    kind.example = "<TargetDefinition>\n"
                   "    <Name>Evaluation board 868 MHz</Name>\n"
                   "    <DeviceName>VO4725</DeviceName>\n"
                   "    <IoSettings>\n"
                   "        <IoPin name=\"GPIO1\">\n"
                   "            <Idle>0</Idle>\n"
                   "            <Tx>1</Tx>\n"
                   "        </IoPin>\n"
                   "    </IoSettings>\n"
                   "</TargetDefinition>\n";
    return kind;
}

FileKind uiTranslation()
{
    FileKind kind = newKind("ui_translation", "ui_translation.xml", "", "uiTranslation", "UI name translation",
                            "The names the host shows for logic names. The host parses it; dal-inspect checks "
                            "ui_translation.xml in the root.");
    kind.readByCheck = false;
    kind.elements = {
        E("UiTranslation", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Translation", "UiTranslation", Type::None, Optional, "A pair of names."),
        E("LogicName", "Translation", Type::Text, Once | FirstBelow, "Name in the files.").def("empty"),
        E("UiName", "Translation", Type::Text, Once | FirstBelow, "Name the user sees.").def("empty"),
    };
    kind.unique
        = {{"Translation", "LogicName", true, false, "logic name"}, {"Translation", "UiName", true, false, "UI name"}};
    kind.example = "<UiTranslation>\n"
                   "    <Translation>\n"
                   "        <LogicName>Radio</LogicName>\n"
                   "        <UiName>Radio signal output</UiName>\n"
                   "    </Translation>\n"
                   "</UiTranslation>\n";
    return kind;
}

FileKind packet()
{
    FileKind kind = newKind("packet", "packet/NAME.xml", "", "packet", "Packet formats",
                            "A packet format, below the root. Each value is the first element of its name below the "
                            "packet or field; a fault drops the field and every field after it.");
    kind.readByCheck = false;
    const int value = Once | FirstBelow;
    kind.elements = {
        E("PacketDefinition", "", Type::None, Optional, "The root element; its name is not checked."),
        E("packet", "PacketDefinition", Type::None, Required, "The packet; exactly one."),
        E("Name", "packet", Type::Text, value, "Name; must stand before the first field.").def("empty"),
        E("Description", "packet", Type::Text, value, "Description; before the first field.").def("empty"),
        E("Field", "packet", Type::None, Optional, "A field."),
        E("Name", "Field", Type::Text, value, "Name of the field.").def("empty"),
        E("Description", "Field", Type::Text, value, "Description.").def("empty"),
        E("Type", "Field", Type::Choice, Required | value, "Base of the numbers.")
            .keys({"hex", "decimal", "binary", "hex_payload"}),
        E("Length", "Field", Type::PacketNumber, Required | value, "Length."),
        E("TextLength", "Field", Type::PacketNumber, Required | value, "Length of its text."),
        E("Min", "Field", Type::PacketNumber, Required | value, "Smallest value."),
        E("Max", "Field", Type::PacketNumber, Required | value, "Largest value."),
        E("FgColor", "Field", Type::Text, value, "Text colour.").def("empty"),
        E("BgColor", "Field", Type::Text, value, "Background colour.").def("empty"),
        E("Default", "Field", Type::Text, value, "Default value.").def("empty"),
        E("ReadOnly", "Field", Type::TrueFlag, value, "The user may not edit it.").def("no"),
        E("AppendToPayload", "Field", Type::TrueFlag, value, "Its value goes into the payload.").def("no"),
    };
    kind.example = "<PacketDefinition>\n"
                   "    <packet>\n"
                   "        <Name>Prop_Basic</Name>\n"
                   "        <Field>\n"
                   "            <Name>Length</Name>\n"
                   "            <Type>decimal</Type>\n"
                   "            <Length>1</Length>\n"
                   "            <TextLength>3</TextLength>\n"
                   "            <Min>0</Min>\n"
                   "            <Max>255</Max>\n"
                   "            <ReadOnly>yes</ReadOnly>\n"
                   "        </Field>\n"
                   "    </packet>\n"
                   "</PacketDefinition>\n";
    return kind;
}

FileKind codeGen()
{
    FileKind kind = newKind("codegen", "DIR/codegen.xml", "", "codeGen", "Code-generation comments",
                            "The comment generated code writes beside each field of a command. dal-inspect checks "
                            "codegen.xml in the directory of each device.");
    kind.readByCheck = false;
    kind.elements = {
        E("CodeGen", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Command", "CodeGen", Type::None, Optional, "A command.")
            .attr("name", Type::Name, Required, "Name of the command."),
        E("Field", "Command", Type::None, Optional, "A field.")
            .attr("name", Type::Name, Required, "Name of the field; a field without one ends the command."),
        E("Comment", "Field", Type::Text, Once | FirstBelow, "The comment.").def("empty"),
    };
    kind.example = "<CodeGen>\n"
                   "    <Command name=\"CMD_FS\">\n"
                   "        <Field name=\"frequency\"><Comment>The frequency in MHz</Comment></Field>\n"
                   "    </Command>\n"
                   "</CodeGen>\n";
    return kind;
}

} // namespace

QList<FileKind> hostDocumentKinds()
{
    return {deviceDefinition(), ioPins(), ioRegisters(), targets(), target(), uiTranslation(), packet(), codeGen()};
}

} // namespace Vocabulary
