#ifndef DALUITRANSLATION_H
#define DALUITRANSLATION_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;

/*
 * Pairs of logic names (as written in the configuration files) and the UI
 * names the host shows for them, read from a translation document that the
 * host has parsed; the document stays the host's.
 *
 * Lookups are exact and case-sensitive, take the first matching pair and give
 * an empty string when nothing matches. A null document gives no pairs.
 */
class DAL_EXPORT DALUiTranslation
{
public:
    struct Translation
    {
        QString logicName;
        QString uiName;
    };

    DALUiTranslation(QDomDocument *document);
    DALUiTranslation(DALUiTranslation const &other);
    DALUiTranslation &operator=(DALUiTranslation const &other);
    ~DALUiTranslation();

    int getStatus();
    QString getUiName(QString const &logicName);
    QString getLogicName(QString const &uiName);

private:
    void createTranslations(QDomDocument *document);

    int m_status;
    QList<DALUiTranslation::Translation> m_translations;
};

#endif // DALUITRANSLATION_H
