#include "DALUiTranslation.h"

#include "DALCommon.h"

#include "documentread_p.h"
#include "domutil_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

DALUiTranslation::DALUiTranslation(QDomDocument *document)
    : m_status(0)
{
    DocumentRead reading(document ? *document : QDomDocument(), QStringLiteral("translation table"));
    createTranslations(document);
    if (reading.exhausted()) {
        m_translations.clear();
        m_status = 2;
    }
}

DALUiTranslation::DALUiTranslation(DALUiTranslation const &other) = default;
DALUiTranslation &DALUiTranslation::operator=(DALUiTranslation const &other) = default;
DALUiTranslation::~DALUiTranslation() = default;

int DALUiTranslation::getStatus()
{
    return m_status;
}

QString DALUiTranslation::getUiName(QString const &logicName)
{
    for (const Translation &translation : qAsConst(m_translations)) {
        if (translation.logicName == logicName)
            return translation.uiName;
    }
    return QStringLiteral("");
}

QString DALUiTranslation::getLogicName(QString const &uiName)
{
    for (const Translation &translation : qAsConst(m_translations)) {
        if (translation.uiName == uiName)
            return translation.logicName;
    }
    return QStringLiteral("");
}

void DALUiTranslation::createTranslations(QDomDocument *document)
{
    m_translations.clear();
    if (!document)
        return;
    const QDomNodeList nodes = DALDom::elements(*document, QStringLiteral("Translation"));
    for (int i = 0; i < nodes.count(); ++i) {
        QDomElement element = nodes.item(i).toElement();
        m_translations.append({DALCommon::getTextFromTagName(QStringLiteral("LogicName"), &element),
                               DALCommon::getTextFromTagName(QStringLiteral("UiName"), &element)});
    }
}
