#ifndef DALUITRANSLATION_H
#define DALUITRANSLATION_H

#include "dal_export.h"

#include <QList>
#include <QString>

class QDomDocument;

/**
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
    /// One `Translation` element.
    struct Translation
    {
        QString logicName; ///< Text of its first `LogicName` element; empty when absent.
        QString uiName;    ///< Text of its first `UiName` element; empty when absent.
    };

    /// Reads every `Translation` of @p document, which stays the caller's.
    DALUiTranslation(QDomDocument *document);
    /// Copies the pairs.
    DALUiTranslation(DALUiTranslation const &other);
    /// Assigns the pairs.
    DALUiTranslation &operator=(DALUiTranslation const &other);
    /// Releases nothing but its own records.
    ~DALUiTranslation();

    /// Always 0: reading cannot fail.
    int getStatus();
    /// The UI name of the first pair whose logic name is @p logicName; empty when there is none.
    QString getUiName(QString const &logicName);
    /// The logic name of the first pair whose UI name is @p uiName; empty when there is none.
    QString getLogicName(QString const &uiName);

private:
    void createTranslations(QDomDocument *document);

    int m_status;
    QList<DALUiTranslation::Translation> m_translations;
};

#endif // DALUITRANSLATION_H
