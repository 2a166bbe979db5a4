// The documents of a generated tree, one function per file kind. Internal to
// the generator.
#ifndef DAL_BENCH_TREETEXTS_H
#define DAL_BENCH_TREETEXTS_H

#include "treegen.h"

namespace TreeGen {
namespace Text {

QString number(int value, int width = 4);
bool save(const QString &path, const QString &text, QString *error);
QString deviceList(const Params &p);
QString deviceConfig(const QString &root, const Params &p, int device, bool full);
QString deviceDescription(int device);
QString paramDefinition(const Params &p);
QString paramCmdMapping(const Params &p);
QString radioParDefinitions();
QString rfCommandDefinitions(const Params &p);
QString overrideFile(int index);
QString categories(const Params &p);
int tfGroup(const Params &p, int category, int setting);
QString tfFile(int group, int function);
QString settingText(const Params &p, int category, int setting);
QString tfText(const Params &p, int group, int function);
QString paSettings(const Params &p);
QString frontEndSettings(const Params &p);
QString command(int index, int fields, int seed, const QString &indent, bool overrides = false);

} // namespace Text
} // namespace TreeGen

#endif // DAL_BENCH_TREETEXTS_H
