#include "DALRfOverrideMap.h"

namespace {

template <typename Entries>
auto findEntry(Entries &entries, const QString &fieldName) -> decltype(&entries.first())
{
    for (auto &entry : entries) {
        if (entry.fieldName == fieldName)
            return &entry;
    }
    return nullptr;
}

} // namespace

DALRfOverrideMap::DALRfOverrideMap() = default;
DALRfOverrideMap::DALRfOverrideMap(const DALRfOverrideMap &other) = default;
DALRfOverrideMap &DALRfOverrideMap::operator=(const DALRfOverrideMap &other) = default;
DALRfOverrideMap::~DALRfOverrideMap() = default;

void DALRfOverrideMap::addOverrideIndex(const QString &fieldName, const int &index)
{
    if (mapContains(fieldName))
        appendIndex(fieldName, index);
    else
        m_entries.append(OverrideIndexEntry{fieldName, QList<int>{index}});
}

void DALRfOverrideMap::appendIndex(const QString &fieldName, const int &index)
{
    OverrideIndexEntry *entry = findEntry(m_entries, fieldName);
    if (entry && !entry->indexes.contains(index))
        entry->indexes.append(index);
}

void DALRfOverrideMap::removeOverrideIndex(const QString &fieldName, const int &index)
{
    if (OverrideIndexEntry *entry = findEntry(m_entries, fieldName))
        entry->indexes.removeOne(index);
}

void DALRfOverrideMap::clear()
{
    m_entries.clear();
}

int DALRfOverrideMap::fieldNameCount()
{
    return m_entries.size();
}

QString DALRfOverrideMap::getFieldNameAt(const int &position)
{
    if (position < 0 || position >= m_entries.size())
        return QString();
    return m_entries.at(position).fieldName;
}

QStringList DALRfOverrideMap::getFieldNames()
{
    QStringList names;
    names.reserve(m_entries.size());
    for (const OverrideIndexEntry &entry : qAsConst(m_entries))
        names.append(entry.fieldName);
    return names;
}

const QList<int> &DALRfOverrideMap::getIndexes(const QString &fieldName)
{
    static const QList<int> none;
    const OverrideIndexEntry *entry = findEntry(qAsConst(m_entries), fieldName);
    return entry ? entry->indexes : none;
}

bool DALRfOverrideMap::mapContains(const QString &fieldName)
{
    return findEntry(qAsConst(m_entries), fieldName) != nullptr;
}

bool DALRfOverrideMap::operator==(const DALRfOverrideMap &other) const
{
    if (m_entries.size() != other.m_entries.size())
        return false;
    for (int i = 0; i < m_entries.size(); ++i) {
        const OverrideIndexEntry &mine = m_entries.at(i);
        const OverrideIndexEntry &theirs = other.m_entries.at(i);
        if (mine.fieldName != theirs.fieldName || mine.indexes != theirs.indexes)
            return false;
    }
    return true;
}

bool DALRfOverrideMap::operator!=(const DALRfOverrideMap &other) const
{
    return !(*this == other);
}
