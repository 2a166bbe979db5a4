#include "vocabularytables.h"

namespace Vocabulary {

Attribute const *Element::attribute(QString const &attributeName) const
{
    for (const Attribute &entry : attributes) {
        if (entry.name == attributeName)
            return &entry;
    }
    return nullptr;
}

QList<Element const *> FileKind::named(QString const &name) const
{
    QList<Element const *> result;
    for (const Element &element : elements) {
        if (element.name == name)
            result.append(&element);
    }
    return result;
}

Element const *FileKind::find(QString const &name, QString const &parent) const
{
    for (const Element &element : elements) {
        if (element.name == name && element.parents.contains(parent))
            return &element;
    }
    return nullptr;
}

QStringList FileKind::childNames(QString const &parent) const
{
    QStringList names;
    for (const Element &element : elements) {
        if (element.parents.contains(parent) && !names.contains(element.name))
            names.append(element.name);
    }
    return names;
}

QList<FileKind> const &fileKinds()
{
    static const QList<FileKind> kinds = catalogueKinds() + parameterKinds() + settingKinds() + hostDocumentKinds();
    return kinds;
}

FileKind const &fileKind(QString const &id)
{
    for (const FileKind &kind : fileKinds()) {
        if (kind.id == id)
            return kind;
    }
    Q_ASSERT_X(false, "fileKind", qPrintable(id));
    return fileKinds().first();
}

QStringList configKeys()
{
    QStringList keys;
    for (const FileKind &kind : fileKinds()) {
        if (!kind.configKey.isEmpty())
            keys.append(kind.configKey);
    }
    return keys;
}

FileKind const *kindOfConfigKey(QString const &key)
{
    for (const FileKind &kind : fileKinds()) {
        if (kind.configKey == key)
            return &kind;
    }
    return nullptr;
}

QString describe(Type type)
{
    switch (type) {
    case Type::None:
        return QStringLiteral("elements only");
    case Type::Text:
        return QStringLiteral("text");
    case Type::Name:
        return QStringLiteral("name");
    case Type::File:
        return QStringLiteral("file name");
    case Type::Directory:
        return QStringLiteral("directory");
    case Type::FileKey:
        return QStringLiteral("file key");
    case Type::NameList:
        return QStringLiteral("names, comma-separated");
    case Type::Integer:
        return QStringLiteral("decimal integer");
    case Type::Unsigned8:
        return QStringLiteral("decimal, 0 to 255");
    case Type::Unsigned16:
        return QStringLiteral("decimal, 0 to 65535");
    case Type::Hex16:
        return QStringLiteral("hexadecimal, 0 to 0xFFFF");
    case Type::Hex32:
        return QStringLiteral("hexadecimal, 0 to 0xFFFFFFFF");
    case Type::Number:
        return QStringLiteral("decimal number");
    case Type::IndexRange:
        return QStringLiteral("first..last, 0 to 255");
    case Type::ByteList:
        return QStringLiteral("bytes 0 to 255, comma-separated");
    case Type::YesNo:
        return QStringLiteral("yes or no (any text holding \"no\" is no)");
    case Type::NoFlag:
        return QStringLiteral("yes or no (only \"no\" is no)");
    case Type::TrueFlag:
        return QStringLiteral("yes or no (only yes, true and 1 are yes)");
    case Type::Access:
        return QStringLiteral("R or RW (an upper-case W is writable)");
    case Type::Keyword:
        return QStringLiteral("keyword");
    case Type::Choice:
        return QStringLiteral("one of");
    case Type::PacketNumber:
        return QStringLiteral("unsigned, in the field's base");
    }
    return QString();
}

} // namespace Vocabulary
