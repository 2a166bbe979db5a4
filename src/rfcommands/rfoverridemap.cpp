#include "DALRfOverrideMap.h"

namespace {

// Maps with more entries than this find names through m_positions.
const int kIndexThreshold = 16;

} // namespace

DALRfOverrideMap::DALRfOverrideMap() = default;
DALRfOverrideMap::DALRfOverrideMap(const DALRfOverrideMap &other) = default;
DALRfOverrideMap &DALRfOverrideMap::operator=(const DALRfOverrideMap &other) = default;
DALRfOverrideMap::~DALRfOverrideMap() = default;

void DALRfOverrideMap::addOverrideIndex(const QString &fieldName, const int &index)
{
    if (mapContains(fieldName)) {
        appendIndex(fieldName, index);
        return;
    }
    m_entries.append(OverrideIndexEntry{fieldName, QList<int>{index}});
    if (!m_positions.isEmpty()) {
        m_positions.insert(fieldName, m_entries.size() - 1);
    } else if (m_entries.size() > kIndexThreshold) {
        // Names are unique: an entry is only created for a new name.
        m_positions.reserve(m_entries.size() * 2);
        for (int i = 0; i < m_entries.size(); ++i)
            m_positions.insert(m_entries.at(i).fieldName, i);
    }
}

int DALRfOverrideMap::findPosition(const QString &fieldName) const
{
    if (!m_positions.isEmpty())
        return m_positions.value(fieldName, -1);
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).fieldName == fieldName)
            return i;
    }
    return -1;
}

void DALRfOverrideMap::appendIndex(const QString &fieldName, const int &index)
{
    const int position = findPosition(fieldName);
    if (position >= 0 && !m_entries.at(position).indexes.contains(index))
        m_entries[position].indexes.append(index);
}

void DALRfOverrideMap::removeOverrideIndex(const QString &fieldName, const int &index)
{
    const int position = findPosition(fieldName);
    if (position >= 0)
        m_entries[position].indexes.removeOne(index);
}

void DALRfOverrideMap::clear()
{
    m_entries.clear();
    m_positions.clear();
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
    const int position = findPosition(fieldName);
    return position >= 0 ? m_entries.at(position).indexes : none;
}

bool DALRfOverrideMap::mapContains(const QString &fieldName)
{
    return findPosition(fieldName) >= 0;
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
