#ifndef DAL_NAMEINDEX_P_H
#define DAL_NAMEINDEX_P_H

#include <QHash>
#include <QString>
#include <QVector>

// Finds the entries of a long list by name in constant time, with the same
// answers as a walk from the front: first(name) is the position of the
// first entry of that name, next(position) the following entry of the same
// name. Short lists are walked; only lists longer than kThreshold are worth an
// index. An index is a snapshot: whoever lets the list change (or hands out a
// way to change it) rebuilds or drops it. Internal to the library.
class NameIndex
{
public:
    static constexpr int kThreshold = 16;

    static bool worthIndexing(int count) { return count > kThreshold; }

    // Indexes count entries; nameAt(i) gives the name of entry i.
    template <typename NameAt>
    void build(int count, NameAt nameAt)
    {
        m_first.clear();
        m_first.reserve(count);
        m_next.fill(-1, count);
        QHash<QString, int> lastOfName;
        lastOfName.reserve(count);
        for (int i = 0; i < count; ++i) {
            const QString name = nameAt(i);
            const auto previous = lastOfName.find(name);
            if (previous == lastOfName.end()) {
                m_first.insert(name, i);
                lastOfName.insert(name, i);
            } else {
                m_next[previous.value()] = i;
                previous.value() = i;
            }
        }
    }

    // Appends one entry at position size(), named name.
    void append(QString const &name)
    {
        const int position = m_next.size();
        m_next.append(-1);
        auto first = m_first.find(name);
        if (first == m_first.end()) {
            m_first.insert(name, position);
            return;
        }
        int at = first.value();
        while (m_next.at(at) >= 0)
            at = m_next.at(at);
        m_next[at] = position;
    }

    int size() const { return m_next.size(); }
    int first(QString const &name) const { return m_first.value(name, -1); }
    int next(int position) const { return m_next.at(position); }

private:
    QHash<QString, int> m_first;
    QVector<int> m_next;
};

#endif // DAL_NAMEINDEX_P_H
