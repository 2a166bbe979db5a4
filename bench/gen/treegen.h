// Writes large synthetic configuration trees for the benchmarks.
#ifndef DAL_BENCH_TREEGEN_H
#define DAL_BENCH_TREEGEN_H

#include <QString>
#include <QStringList>

namespace TreeGen {

// Sizes of a generated tree. The first device is the full one; every other
// device of the list has a device description only.
struct Params
{
    int devices = 4;              // entries of device_list.xml (each with a directory)
    int categories = 4;           // categories of categories.xml
    int settingsPerCategory = 8;  // setting files per category
    int commandsPerSetting = 8;   // commands of every setting file, PA level and front end
    int fieldsPerCommand = 8;     // fields of every command
    int tfFilesPerSetting = 4;    // test-function files a setting names (0..4)
    int settingsPerTfFile = 4;    // how many settings name the same test-function files
    int parameters = 64;          // parameters of param_definition.xml
    int rfCommands = 32;          // command definitions (at least commandsPerSetting are used)
    int overrideFiles = 4;        // override_*.xml files
    int paDesigns = 8;            // RF designs of pasettings.xml
    int paLevels = 8;             // levels of each design's table
    int frontEnds = 8;            // front ends of frontend_settings.xml
    bool absolutePaths = false;   // device_config.xml paths absolute instead of relative to the root
    bool miscased = false;        // the full device's directory and every name below it cased on disk
                                  // unlike the references (first letter upper case)
};

// Names the generator uses, so that benchmarks can look them up.
QString deviceName(int index);
QString commandName(int index);
QString fieldName(int index);
QString parameterName(int index);
QString settingFile(int category, int setting);
QString categoryName(int index);
QString designName(int index);
QString frontEndName(int index);

// Writes the tree into @p root (created); false with @p error set on failure.
bool write(const QString &root, const Params &params, QString *error);

// Every file of the full device, as absolute paths, each once.
QStringList deviceFiles(const QString &root, const Params &params);

} // namespace TreeGen

#endif // DAL_BENCH_TREEGEN_H
