#ifndef DALINSPECT_LINT_VOCABULARYTABLES_H
#define DALINSPECT_LINT_VOCABULARYTABLES_H

// Shorthand for writing the tables of vocabulary_*.cpp, one element a line.

#include "vocabulary.h"

namespace Vocabulary {

struct E : Element
{
    E(char const *elementName, char const *parentNames, Type valueType, int valueFlags, char const *text)
    {
        name = QString::fromUtf8(elementName);
        parents = QString::fromUtf8(parentNames).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        type = valueType;
        flags = valueFlags;
        about = QString::fromUtf8(text);
    }
    E &def(char const *value)
    {
        defaultValue = QString::fromUtf8(value);
        return *this;
    }
    E &keys(QStringList const &words)
    {
        keywords = words;
        return *this;
    }
    E &attr(char const *attributeName, Type valueType, int valueFlags, char const *text, char const *absent = "",
            QStringList const &words = QStringList())
    {
        attributes.append({QString::fromUtf8(attributeName), valueType, valueFlags, QString::fromUtf8(absent),
                           QString::fromUtf8(text), words});
        return *this;
    }
};

inline FileKind newKind(char const *id, char const *file, char const *configKey, char const *reader, char const *title,
                        char const *about)
{
    FileKind kind;
    kind.id = QString::fromUtf8(id);
    kind.file = QString::fromUtf8(file);
    kind.configKey = QString::fromUtf8(configKey);
    kind.reader = QString::fromUtf8(reader);
    kind.title = QString::fromUtf8(title);
    kind.about = QString::fromUtf8(about);
    return kind;
}

// The panels of param_definition.xml, also the groups of its dependencies.
inline QStringList panelKeywords()
{
    return {"MAINRFPARAMETERS", "CONTTX", "CONTRX", "PACKETTX", "PACKETRX", "PACKETVIEW"};
}

// Command, Field, OverrideField and Block: one syntax wherever commands are
// listed (setting, test-function, PA and front-end files).
QList<Element> commandElements(char const *parents);
QList<Unique> commandUniques();

// The tables, in the order of the reference.
QList<FileKind> catalogueKinds();
QList<FileKind> parameterKinds();
QList<FileKind> settingKinds();
QList<FileKind> hostDocumentKinds();

} // namespace Vocabulary

#endif // DALINSPECT_LINT_VOCABULARYTABLES_H
