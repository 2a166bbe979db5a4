#ifndef DALRFOVERRIDEMAP_H
#define DALRFOVERRIDEMAP_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

/**
 * An insertion-ordered map from an override field name to the positions of
 * the override blocks that belong to it, in a block list kept by the owner
 * (DALRfCmdSettings::OverrideField). Names are compared exactly; an index is
 * held at most once per name. Entries keep the order of their first addition
 * and stay in place when their index list becomes empty; only clear() removes
 * them.
 *
 * Answers are those of a linear scan from the first entry. Maps that grow
 * long (more than a few dozen names, as merged settings can) find names
 * through an index that lives outside the object, so that the class keeps
 * its single member. References from getIndexes() stay valid until this map
 * is changed: operations that change nothing (removing an index that is not
 * there, adding one that is) take no write access, and copies of the map do
 * not disturb it.
 */
class DAL_EXPORT DALRfOverrideMap
{
public:
    /// One override field name with the indexes of its blocks.
    struct OverrideIndexEntry
    {
        QString fieldName;  ///< The override field name.
        QList<int> indexes; ///< Indexes into the owner's block list, in order of addition, each once.
    };

    /// An empty map.
    DALRfOverrideMap();
    /// Copies the entries.
    DALRfOverrideMap(const DALRfOverrideMap &other);
    /// Assigns the entries.
    DALRfOverrideMap &operator=(const DALRfOverrideMap &other);
    /// Releases nothing but its own entries.
    ~DALRfOverrideMap();

    /// Appends @p index to the entry of @p fieldName (created at the end when new) unless it is there already.
    void addOverrideIndex(const QString &fieldName, const int &index);
    /// Removes @p index from the entry of @p fieldName; the entry stays, even when empty.
    void removeOverrideIndex(const QString &fieldName, const int &index);
    /// Removes every entry.
    void clear();

    /// The number of entries, empty ones included.
    int fieldNameCount();
    /// The name of the entry at @p position (0-based); empty outside 0..count-1.
    QString getFieldNameAt(const int &position);
    /// Every name, in entry order.
    QStringList getFieldNames();
    /// The indexes of @p fieldName; for a name without entry a reference to one shared empty list. Valid until the map changes.
    const QList<int> &getIndexes(const QString &fieldName);

    /// Same entries, position by position, with equal index lists in order.
    bool operator==(const DALRfOverrideMap &other) const;
    /// The negation of operator==().
    bool operator!=(const DALRfOverrideMap &other) const;

private:
    void appendIndex(const QString &fieldName, const int &index);
    bool mapContains(const QString &fieldName);

    int findPosition(const QString &fieldName) const;

    QList<OverrideIndexEntry> m_entries;
};

#endif // DALRFOVERRIDEMAP_H
