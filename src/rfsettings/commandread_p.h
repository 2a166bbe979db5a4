#ifndef DAL_COMMANDREAD_P_H
#define DAL_COMMANDREAD_P_H

// The command reader that settings, test-function files, PA levels and front
// ends share: Command elements with their fields and override fields, into
// records. Written once for both kinds of document the readers walk, a Qt
// DOM (QDomNodeList) and a DALElementTree (QVector<DALTreeElement>).
// Internal to the library.

#include "DALRfCmdSettings.h"

#include "DALCommon.h"
#include "domutil_p.h"
#include "report_p.h"

namespace DALCommandRead {

using Command = DALRfCmdSettings::Command;
using CmdField = DALRfCmdSettings::CmdField;
using OverrideField = DALRfCmdSettings::OverrideField;
using DALDom::hasChildElement;
using DALDom::itemAt;

// The file of a device's categories.
inline const QString kCategoriesFile = QStringLiteral("categories.xml");

inline QString missingName(QString const &tagName, QString const &fileName)
{
    return QStringLiteral("Missing \"name\" attribute for element %1 in %2").arg(tagName, fileName);
}

template <typename List>
int readOverrideBlocks(List const &blockElements, OverrideField *overrideField)
{
    int result = 0;
    for (int i = 0; i < blockElements.count(); ++i) {
        const auto node = itemAt(blockElements, i);
        if (!node.isElement()) {
            DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Override Block not seen as QDomElement!"), node);
            result = -1;
            continue;
        }
        overrideField->blocks.append(DALDom::text(node.toElement()));
        overrideField->overrideMap.addOverrideIndex(overrideField->name, overrideField->blocks.size() - 1);
    }
    return result;
}

template <typename List>
int readOverrideFields(List const &overrideFieldElements, OverrideField *overrideField)
{
    int result = 0;
    for (int i = 0; i < overrideFieldElements.count(); ++i) {
        const auto element = itemAt(overrideFieldElements, i).toElement();
        if (element.hasAttribute(QStringLiteral("name")))
            overrideField->name = element.attribute(QStringLiteral("name"));
        if (readOverrideBlocks(DALDom::elements(element, QStringLiteral("Block")), overrideField) == -1)
            result = -1;
    }
    return result;
}

template <typename List>
int readFields(List const &fieldElements, QString const &fileName, QList<CmdField> *fields)
{
    for (int i = 0; i < fieldElements.count(); ++i) {
        const auto element = itemAt(fieldElements, i).toElement();
        if (!element.hasAttribute(QStringLiteral("name"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, missingName(element.tagName(), fileName), element);
        }
        CmdField field;
        field.name = element.attribute(QStringLiteral("name"));
        field.value = DALDom::text(element);
        field.tfOverride = element.attribute(QStringLiteral("tfOverride")).toUpper() != QLatin1String("NO");
        fields->append(field);
    }
    return 0;
}

template <typename List>
int readCommands(List const &commandElements, QString const &fileName, QList<Command> *commands)
{
    int status = 0;
    for (int i = 0; i < commandElements.count() && status == 0; ++i) {
        const auto element = itemAt(commandElements, i).toElement();
        Command command;
        if (element.hasAttribute(QStringLiteral("function")))
            command.function = element.attribute(QStringLiteral("function"));
        if (!element.hasAttribute(QStringLiteral("name"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, missingName(element.tagName(), fileName), element);
        }
        command.name = element.attribute(QStringLiteral("name"));

        if (hasChildElement(element, QStringLiteral("Field"))) {
            status = readFields(DALDom::elements(element, QStringLiteral("Field")), fileName, &command.fields);
            if (status == -1)
                return -1;
        }
        if (hasChildElement(element, QStringLiteral("OverrideField"))) {
            status = readOverrideFields(DALDom::elements(element, QStringLiteral("OverrideField")),
                                       &command.overrideField);
        }
        if (status == -1)
            return -1;
        commands->append(command);
    }
    return status;
}

} // namespace DALCommandRead

#endif // DAL_COMMANDREAD_P_H
