// The command reader that settings, test-function files, PA levels and front
// ends share: Command elements with their fields, override fields and
// write-custom lists, into records.

#include "commandread_p.h"

#include <QDomElement>
#include <QDomNodeList>

using DALDom::hasChildElement;
using DALDom::itemAt;

int DALRfCmdSettings::getCommands(const QDomNodeList &commandElements, QString fileName,
                                  QList<Command> *commands)
{
    return DALCommandRead::readCommands(commandElements, fileName, commands);
}

int DALRfCmdSettings::getFields(const QDomNodeList &fieldElements, QString fileName, QList<CmdField> *fields)
{
    return DALCommandRead::readFields(fieldElements, fileName, fields);
}

int DALRfCmdSettings::getOverrideFields(const QDomNodeList &overrideFieldElements, OverrideField *overrideField)
{
    return DALCommandRead::readOverrideFields(overrideFieldElements, overrideField);
}

int DALRfCmdSettings::getOverrideBlocks(const QDomNodeList &blockElements, OverrideField *overrideField)
{
    return DALCommandRead::readOverrideBlocks(blockElements, overrideField);
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
