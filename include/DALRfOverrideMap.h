#ifndef DALRFOVERRIDEMAP_H
#define DALRFOVERRIDEMAP_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

/*
 * An insertion-ordered map from an override field name to the positions of
 * the override blocks that belong to it, in a block list kept by the owner
 * (DALRfCmdSettings::OverrideField). Names are compared exactly; an index is
 * held at most once per name. Entries keep the order of their first addition
 * and stay in place when their index list becomes empty; only clear() removes
 * them.
 *
 * The maps hold a handful of names, so every lookup is a linear scan.
 */
class DAL_EXPORT DALRfOverrideMap
{
public:
    struct OverrideIndexEntry
    {
        QString fieldName;
        QList<int> indexes;
    };

    DALRfOverrideMap();
    DALRfOverrideMap(const DALRfOverrideMap &other);
    DALRfOverrideMap &operator=(const DALRfOverrideMap &other);
    ~DALRfOverrideMap();

    void addOverrideIndex(const QString &fieldName, const int &index);
    void removeOverrideIndex(const QString &fieldName, const int &index);
    void clear();

    int fieldNameCount();
    QString getFieldNameAt(const int &position);
    QStringList getFieldNames();
    // For a name without entry: a reference to one shared empty list.
    const QList<int> &getIndexes(const QString &fieldName);

    // Same entries, position by position, with equal index lists in order.
    bool operator==(const DALRfOverrideMap &other) const;
    bool operator!=(const DALRfOverrideMap &other) const;

private:
    void appendIndex(const QString &fieldName, const int &index);
    bool mapContains(const QString &fieldName);

    QList<OverrideIndexEntry> m_entries;
};

#endif // DALRFOVERRIDEMAP_H
