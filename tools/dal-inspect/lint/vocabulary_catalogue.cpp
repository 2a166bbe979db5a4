// The device catalogue: device_list.xml, device_config.xml, device_description.xml.

#include "vocabularytables.h"

namespace Vocabulary {

namespace {

FileKind deviceList()
{
    FileKind kind
        = newKind("device_list", "device_list.xml", "", "deviceList", "Device list",
                  "The catalogue of the devices, directly in the configuration root. The host lists the groups "
                  "with their devices, and takes each device's brief line and type from its `Device` element.");
    kind.elements = {
        E("DeviceList", "", Type::None, Optional, "The root element; its name is not checked."),
        E("version", "DeviceList", Type::Text, Once | FirstBelow, "Version of the catalogue."),
        E("DeviceGroup", "DeviceList", Type::None, Optional, "A group of devices, as the host lists them."),
        E("GroupName", "DeviceGroup", Type::Name, Required | Once,
          "The group's name. It must be the group's first child: the name is read from the first node of the "
          "group, whatever its tag."),
        E("Description", "DeviceGroup", Type::Text, Once | FirstBelow, "Description of the group."),
        E("DeviceName", "DeviceGroup", Type::Name, Optional,
          "A device of the group: the name of a `Device` element, and in lower case the name of the device's "
          "directory below the root."),
        E("Device", "DeviceList", Type::None, Optional, "One device."),
        E("DeviceName", "Device", Type::Name, Required | Once,
          "The device's name. It must be the first child of `Device`, which is found by it.")
            .attr("family", Type::Text, Optional, "The family of the device: the host lists a family's devices."),
        E("Brief", "Device", Type::Text, Once | FirstBelow, "Short description of the device.").def("empty"),
        E("DeviceType", "Device", Type::Text, Once | FirstBelow, "Type of the device.").def("empty"),
    };
    kind.unique = {{"DeviceGroup", "GroupName", true, false, "device group"},
                   {"Device", "DeviceName", true, false, "device"},
                   {"DeviceName", ".", false, false, "group member"}};
    kind.example = "<DeviceList>\n"
                   "    <version>1.0</version>\n"
                   "    <DeviceGroup>\n"
                   "        <GroupName>Sub-1 GHz</GroupName>\n"
                   "        <Description>Proprietary sub-1 GHz chips</Description>\n"
                   "        <DeviceName>VO4725</DeviceName>\n"
                   "    </DeviceGroup>\n"
                   "    <Device>\n"
                   "        <DeviceName family=\"VO47\">VO4725</DeviceName>\n"
                   "        <Brief>Sub-1 GHz transceiver</Brief>\n"
                   "        <DeviceType>Transceiver</DeviceType>\n"
                   "    </Device>\n"
                   "</DeviceList>\n";
    return kind;
}

FileKind deviceConfig()
{
    FileKind kind
        = newKind("device_config", "DEVICE/device_config.xml", "", "deviceConfig", "Device configuration",
                  "Where each configuration file of a device lies, in the directory of the device below the "
                  "root (its name in lower case). Every reader asks it for the directory of its file by the "
                  "file's name, the `file` key; the most specific entry for the device, PHY and silicon version "
                  "wins, and of two equal entries the later one.");
    kind.elements = {
        E("DeviceConfig", "", Type::None, Optional, "The root element; its name is not checked."),
        E("path", "DeviceConfig", Type::Directory, Optional,
          "The directory that holds the file: absolute, or relative to the host's working directory (not to "
          "the root). Files opened through it have their whole path lower-cased.")
            .attr("file", Type::FileKey, Required | ReaderMissing,
                  "The configuration file the entry serves, compared exactly; one of the keys below.")
            .attr("phy", Type::Text, Optional, "Only for this PHY.", "every PHY")
            .attr("version", Type::Text, Optional, "Only for this silicon version.", "every version"),
    };
    kind.example = "<DeviceConfig>\n"
                   "    <path file=\"param_definition.xml\">vo4725</path>\n"
                   "    <path file=\"categories.xml\">vo4725/settings</path>\n"
                   "    <path file=\"categories.xml\" phy=\"prop\" version=\"pg20\">vo4725/prop_pg20</path>\n"
                   "</DeviceConfig>\n";
    return kind;
}

FileKind deviceDescription()
{
    FileKind kind = newKind(
        "device_description", "device_description.xml", "device_description.xml", "description", "Device description",
        "What the host shows about a device. Each text is the first element of its name anywhere in "
        "the file. The host asks for all five texts, and once one is missing the others read as "
        "empty too.");
    const int text = Required | Once | FirstBelow;
    kind.elements = {
        E("DeviceDescription", "", Type::None, Optional, "The root element; its name is not checked."),
        E("Brief", "DeviceDescription", Type::Text, text, "One-line description."),
        E("Description", "DeviceDescription", Type::Text, text, "Longer description."),
        E("Photo", "DeviceDescription", Type::Text, text, "Picture of the device."),
        E("URL", "DeviceDescription", Type::Text, text,
          "Product page: the first `URL` of the whole file, so it must stand before the documents."),
        E("UiClass", "DeviceDescription", Type::Text, text,
          "UI class, which selects the host's screens (for example PROP-A, BLE, IEEE-A)."),
        E("Documents", "DeviceDescription", Type::None, Optional, "Holds the documents."),
        E("Doc", "Documents DeviceDescription", Type::None, Optional,
          "A document, listed as its name, a comma and its URL."),
        E("Name", "Doc", Type::Text, Once | FirstBelow, "Name of the document.").def("empty"),
        E("URL", "Doc", Type::Text, Once | FirstBelow, "Where the document is.").def("empty"),
    };
    kind.example = "<DeviceDescription>\n"
                   "    <Brief>Sub-1 GHz transceiver</Brief>\n"
                   "    <Description>Low-power transceiver for 868 and 915 MHz</Description>\n"
                   "    <Photo>images/vo4725.png</Photo>\n"
                   "    <URL>https://devices.example.org/vo4725</URL>\n"
                   "    <UiClass>PROP-A</UiClass>\n"
                   "    <Documents>\n"
                   "        <Doc>\n"
                   "            <Name>Data sheet</Name>\n"
                   "            <URL>docs/vo4725.pdf</URL>\n"
                   "        </Doc>\n"
                   "    </Documents>\n"
                   "</DeviceDescription>\n";
    return kind;
}

} // namespace

QList<FileKind> catalogueKinds()
{
    return {deviceList(), deviceConfig(), deviceDescription()};
}

} // namespace Vocabulary
