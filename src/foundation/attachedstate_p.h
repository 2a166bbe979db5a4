#ifndef DAL_ATTACHEDSTATE_P_H
#define DAL_ATTACHEDSTATE_P_H

#include <unordered_map>

// State that an exported object keeps beside its declared members: caches,
// indexes, owners of records it hands out. Hosts are built against the
// declared layout of every exported class and record, so such state may not
// become a member; it lives in a process-wide table keyed by the object's
// address instead. The owner drops its entry in its destructor and whenever
// an assignment replaces what the entry describes. Like all of the library's
// state, a table is used from one thread at a time. Internal to the library.
template <typename Owner, typename State>
class AttachedState
{
public:
    // The owner's state, or null when it has none.
    static State *find(Owner const *owner)
    {
        auto &map = table();
        const auto it = map.find(owner);
        return it == map.end() ? nullptr : &it->second;
    }

    // The owner's state, created empty on first use. The reference stays
    // valid until the entry is dropped.
    static State &obtain(Owner const *owner) { return table()[owner]; }

    static void drop(Owner const *owner) { table().erase(owner); }

private:
    // Never destroyed: objects of the host that are destroyed after the
    // library's own statics still find the table.
    static std::unordered_map<Owner const *, State> &table()
    {
        static auto *map = new std::unordered_map<Owner const *, State>;
        return *map;
    }
};

#endif // DAL_ATTACHEDSTATE_P_H
