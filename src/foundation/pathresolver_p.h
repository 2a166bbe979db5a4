#ifndef DAL_PATHRESOLVER_P_H
#define DAL_PATHRESOLVER_P_H

#include <QString>

// Finds the files and directories of a configuration tree written on a
// case-insensitive file system, where the letter case of a name never
// matters, on a file system where it does. Internal to the library.
//
// resolve() tries, in this order, and takes the first that exists as the
// kind asked for:
// 1. the spelling the caller prescribes (the lower-cased one, where the
//    library lower-cases names);
// 2. the name as given;
// 3. the given name component by component: a component that exists exactly
//    is taken, otherwise the one entry of its directory whose name matches it
//    without regard to case. Two or more such entries ("Foo.xml" and
//    "foo.xml") make the name unresolvable: the library never guesses.
// Directory listings are cached (folded name to real names) until the
// configuration root changes or the device map is dropped; a name that a
// cached listing lacks is looked up once more in a fresh listing.
//
// Only where a file is found changes. Messages keep naming the path the
// library builds, and names compared inside files stay case-sensitive.
namespace DALPathResolver {

enum class Kind {
    File,      // a regular file (or a link to one)
    Directory, // a directory (or a link to one)
};

// The path that exists for prescribed (or for given when prescribed is
// empty or does not exist), or an empty string when none does.
QString resolve(QString const &prescribed, QString const &given, Kind kind);

// Forgets every cached directory listing.
void dropCache();

} // namespace DALPathResolver

#endif // DAL_PATHRESOLVER_P_H
