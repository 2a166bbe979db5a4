#ifndef DAL_HOSTILEFILES_H
#define DAL_HOSTILEFILES_H

#include <QByteArray>
#include <QString>
#include <QVector>

class FixtureTree;

// Hostile files and the readers that meet them, shared by the hostile-input
// suite and the benchmark that measures the cost of every pair.
namespace HostileFiles {

// A reader of the library and the file it opens in a tree that
// prepareTree() wrote.
struct Reader
{
    const char *name;
    const char *file;  // tree-relative path of the file the reader opens
    bool listsFiles;   // it lists a directory: files it cannot open are not listed
    void (*run)();     // reads; its messages land in the library's error list
};

// An input and what the loader makes of it: status 0 (the file loads), 1
// (cannot be opened) or 2 (refused or not well-formed), and for 2 the start
// of the reason when the loader gives one of its own.
struct Input
{
    const char *name;
    int status;
    QString reason;
    bool (*write)(QString const &path); // puts the input at path
};

const QVector<Reader> &readers();
const QVector<Input> &inputs();

// Writes the device map of device VO4725 into tree, with every per-device
// file in the directory its reader expects.
bool prepareTree(FixtureTree const &tree);

// Checks the error list against what input must give reader for the file at
// path; returns an empty string when it matches, else what is wrong.
QString checkOutcome(Reader const &reader, Input const &input, QString const &path);

// The loader's own reasons.
QString entityReason();
QString depthReason();

} // namespace HostileFiles

#endif // DAL_HOSTILEFILES_H
