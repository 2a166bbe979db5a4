// The trees and cases of dal-bench: loading cost of a generated device against
// the bare parse of its files, lookups at two sizes, growth of the settings
// reader, and the cost of resolving names cased unlike their references.
#ifndef DAL_BENCH_BENCHCASES_H
#define DAL_BENCH_BENCHCASES_H

#include "treegen.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DALDeviceDescr;
class DALParamCmdMapping;
class DALParamDef;
class DALPaSettingsDef;
class DALRadioParDef;
class DALRfCmdDef;
class DALRfCmdSettings;
class DALRfFrontEndSettings;
class DALRfOverrideDef;

namespace DALBench {

struct Tree
{
    QString root;
    TreeGen::Params params;
};

struct Case
{
    std::string name;
    std::function<void()> run;
    std::function<void()> setUp; // outside the measured part
};

// Every reader of the first device, as a whole-device check opens them.
struct OpenDevice
{
    explicit OpenDevice(const Tree &tree);
    ~OpenDevice();
    std::unique_ptr<DALDeviceDescr> description;
    std::unique_ptr<DALParamDef> parameters;
    std::unique_ptr<DALParamCmdMapping> mapping;
    std::unique_ptr<DALRadioParDef> radioPars;
    std::unique_ptr<DALRfCmdDef> commands;
    std::unique_ptr<DALRfOverrideDef> overrides;
    std::unique_ptr<DALRfCmdSettings> settings;
    std::unique_ptr<DALPaSettingsDef> pa;
    std::unique_ptr<DALRfFrontEndSettings> frontEnds;
};

// Writes the trees into a lower-case scratch directory: all of them, or only
// the whole-device one.
bool setUpTrees(bool deviceOnly);
void removeTrees();
const Tree &deviceTree();

// Prints and clears the error list when it is not empty.
void reportErrors(const char *what);

// Objects the lookup cases work on, made outside the measured part.
void prepareFixtures();
void releaseFixtures();

std::vector<Case> cases();

} // namespace DALBench

#endif // DAL_BENCH_BENCHCASES_H
