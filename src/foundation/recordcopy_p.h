#ifndef DAL_RECORDCOPY_P_H
#define DAL_RECORDCOPY_P_H

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

#include <type_traits>

// Copies of records that share no container with their source.
//
// Qt's containers share their data between copies until one of them is
// written to. A reader that hands out pointers or references into its records
// must not share them with a copy of itself: the first write access on either
// side (the host's, through such a pointer, or the reader's own) would detach
// the data and leave the other side's pointers on records it no longer owns.
// detach() gives every container of a record, at every level, data of its
// own. Each reader declares detach() for its record types (in the global
// namespace, where argument-dependent lookup finds them); a record type
// without one does not compile, so that no level is forgotten.
// Internal to the library.
namespace DALRecordCopy {

inline void detach(QString &) {}

template <typename T>
std::enable_if_t<std::is_arithmetic<T>::value || std::is_enum<T>::value || std::is_pointer<T>::value>
detach(T &)
{
}

template <typename T>
void detach(QList<T> &list)
{
    for (T &item : list) // the non-const iteration detaches the list itself
        detach(item);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0) // QVector is QList from Qt 6 on
template <typename T>
void detach(QVector<T> &vector)
{
    for (T &item : vector)
        detach(item);
}
#endif

template <typename K, typename V>
void detach(QMap<K, V> &map)
{
    for (auto it = map.begin(); it != map.end(); ++it)
        detach(it.value());
}

// A copy of record that shares none of its containers with it.
template <typename T>
T deepCopy(T const &record)
{
    T copy(record);
    detach(copy);
    return copy;
}

} // namespace DALRecordCopy

#endif // DAL_RECORDCOPY_P_H
