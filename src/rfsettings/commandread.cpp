// The command reader that settings, test-function files, PA levels and front
// ends share: Command elements with their fields, override fields and
// write-custom lists, into records.

#include "DALRfCmdSettings.h"

#include "DALCommon.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomElement>
#include <QDomNodeList>

using DALDom::hasChildElement;
using DALDom::itemAt;

namespace {

const QString kMissingName = QStringLiteral("Missing \"name\" attribute for element %1 in %2");

} // namespace

int DALRfCmdSettings::getCommands(const QDomNodeList &commandElements, QString fileName,
                                  QList<Command> *commands)
{
    int status = 0;
    for (int i = 0; i < commandElements.count() && status == 0; ++i) {
        const QDomElement element = itemAt(commandElements, i).toElement();
        Command command;
        if (element.hasAttribute(QStringLiteral("function")))
            command.function = element.attribute(QStringLiteral("function"));
        if (!element.hasAttribute(QStringLiteral("name"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, kMissingName.arg(element.tagName(), fileName), element);
        }
        command.name = element.attribute(QStringLiteral("name"));

        if (hasChildElement(element, QStringLiteral("Field"))) {
            status = getFields(DALDom::elements(element, QStringLiteral("Field")), fileName, &command.fields);
            if (status == -1)
                return -1;
        }
        if (hasChildElement(element, QStringLiteral("OverrideField"))) {
            status = getOverrideFields(DALDom::elements(element, QStringLiteral("OverrideField")),
                                       &command.overrideField);
        }
        if (status == -1)
            return -1;
        commands->append(command);
    }
    return status;
}

int DALRfCmdSettings::getFields(const QDomNodeList &fieldElements, QString fileName, QList<CmdField> *fields)
{
    for (int i = 0; i < fieldElements.count(); ++i) {
        const QDomElement element = itemAt(fieldElements, i).toElement();
        if (!element.hasAttribute(QStringLiteral("name"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, kMissingName.arg(element.tagName(), fileName), element);
        }
        CmdField field;
        field.name = element.attribute(QStringLiteral("name"));
        field.value = DALDom::text(element);
        field.tfOverride = element.attribute(QStringLiteral("tfOverride")).toUpper() != QLatin1String("NO");
        fields->append(field);
    }
    return 0;
}

int DALRfCmdSettings::getOverrideFields(const QDomNodeList &overrideFieldElements, OverrideField *overrideField)
{
    int result = 0;
    for (int i = 0; i < overrideFieldElements.count(); ++i) {
        const QDomElement element = itemAt(overrideFieldElements, i).toElement();
        if (element.hasAttribute(QStringLiteral("name")))
            overrideField->name = element.attribute(QStringLiteral("name"));
        if (getOverrideBlocks(DALDom::elements(element, QStringLiteral("Block")), overrideField) == -1)
            result = -1;
    }
    return result;
}

int DALRfCmdSettings::getOverrideBlocks(const QDomNodeList &blockElements, OverrideField *overrideField)
{
    int result = 0;
    for (int i = 0; i < blockElements.count(); ++i) {
        const QDomNode node = itemAt(blockElements, i);
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

int DALRfCmdSettings::getWriteCustoms(const QDomNodeList &writeCustomElements, QString fileName,
                                      QList<WriteCustom> *writeCustoms)
{
    const QString file = QStringLiteral("%1.xml").arg(fileName);
    int status = 0;
    for (int i = 0; i < writeCustomElements.count(); ++i) {
        const QDomElement element = itemAt(writeCustomElements, i).toElement();
        WriteCustom record;
        if (!element.hasAttribute(QStringLiteral("address"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"address\" attribute for element %1 in %2")
                                    .arg(element.tagName(), file),
                             element);
        }
        const QString address = element.attribute(QStringLiteral("address"));
        bool ok = false;
        record.address = address.toUInt(&ok, 16);
        if (!ok) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid address attribute(%1) given for \"WriteCustom\" element in %2")
                                    .arg(address, file),
                             element, QStringLiteral("address"));
        }

        const QDomElement values = element.firstChildElement(QStringLiteral("Values"));
        if (!values.isNull()) {
            const QStringList parts = DALDom::text(values).split(QLatin1Char(','), Qt::KeepEmptyParts);
            for (const QString &part : parts) {
                const quint32 value = part.toUInt(&ok, 10);
                if (ok) {
                    record.values.append(value);
                } else {
                    DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value(%1) given for \"WriteCustom\" element in %2")
                                            .arg(part, file),
                                     values);
                    status = -1;
                }
            }
        }
        if (status == -1)
            return -1;
        writeCustoms->append(record);
    }
    return status;
}
