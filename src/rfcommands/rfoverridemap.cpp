#include "DALRfOverrideMap.h"

#include "attachedstate_p.h"
#include "nameindex_p.h"

namespace {

// Names are unique in a map, so the index of a long map holds one position
// per name. It is built when a lookup first finds the map long, kept up to
// date by additions and dropped with the map's entries.
using Positions = AttachedState<DALRfOverrideMap, NameIndex>;

} // namespace

DALRfOverrideMap::DALRfOverrideMap() = default;
DALRfOverrideMap::DALRfOverrideMap(const DALRfOverrideMap &other) = default;

DALRfOverrideMap &DALRfOverrideMap::operator=(const DALRfOverrideMap &other)
{
    if (this != &other) {
        if (NameIndex::worthIndexing(m_entries.size()))
            Positions::drop(this);
        m_entries = other.m_entries;
    }
    return *this;
}

DALRfOverrideMap::~DALRfOverrideMap()
{
    // Only long maps ever get an index, and entries are only removed all at once.
    if (NameIndex::worthIndexing(m_entries.size()))
        Positions::drop(this);
}

void DALRfOverrideMap::addOverrideIndex(const QString &fieldName, const int &index)
{
    if (mapContains(fieldName)) {
        appendIndex(fieldName, index);
        return;
    }
    m_entries.append(OverrideIndexEntry{fieldName, QList<int>{index}});
    if (NameIndex *positions = Positions::find(this))
        positions->append(fieldName);
}

int DALRfOverrideMap::findPosition(const QString &fieldName) const
{
    const int count = m_entries.size();
    if (NameIndex::worthIndexing(count)) {
        NameIndex *positions = Positions::find(this);
        if (!positions) {
            positions = &Positions::obtain(this);
            positions->build(count, [this](int i) { return m_entries.at(i).fieldName; });
        }
        return positions->first(fieldName);
    }
    for (int i = 0; i < count; ++i) {
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
    if (position < 0)
        return;
    const int at = m_entries.at(position).indexes.indexOf(index);
    if (at >= 0)
        m_entries[position].indexes.removeAt(at);
}

void DALRfOverrideMap::clear()
{
    if (NameIndex::worthIndexing(m_entries.size()))
        Positions::drop(this);
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
