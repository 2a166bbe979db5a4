// dal-bench-gen: writes a synthetic configuration tree for the benchmarks.

#include "treegen.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

struct Option
{
    const char *name;
    int TreeGen::Params::*member;
    const char *help;
};

const Option kOptions[] = {
    {"--devices", &TreeGen::Params::devices, "entries of device_list.xml"},
    {"--categories", &TreeGen::Params::categories, "categories of categories.xml"},
    {"--settings", &TreeGen::Params::settingsPerCategory, "setting files per category"},
    {"--commands", &TreeGen::Params::commandsPerSetting, "commands per setting, PA level"},
    {"--fields", &TreeGen::Params::fieldsPerCommand, "fields per command"},
    {"--tf-files", &TreeGen::Params::tfFilesPerSetting, "test-function files per setting (0..4)"},
    {"--tf-share", &TreeGen::Params::settingsPerTfFile, "settings that name the same test-function files"},
    {"--parameters", &TreeGen::Params::parameters, "parameters of param_definition.xml"},
    {"--rf-commands", &TreeGen::Params::rfCommands, "RF command definitions"},
    {"--overrides", &TreeGen::Params::overrideFiles, "override files"},
    {"--pa-designs", &TreeGen::Params::paDesigns, "RF designs of pasettings.xml"},
    {"--pa-levels", &TreeGen::Params::paLevels, "levels per PA table"},
    {"--front-ends", &TreeGen::Params::frontEnds, "front ends"},
};

void usage(FILE *out)
{
    std::fprintf(out, "usage: dal-bench-gen [options] DIR\n\nWrites a configuration tree into DIR.\n\n");
    const TreeGen::Params defaults;
    for (const Option &option : kOptions)
        std::fprintf(out, "  %-14s N  %s (default %d)\n", option.name, option.help, defaults.*option.member);
    std::fprintf(out, "  --absolute       absolute paths in device_config.xml (DIR must be lower case)\n");
    std::fprintf(out, "  --miscased       the first device's names on disk cased unlike their references\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    TreeGen::Params params;
    QString out;
    for (int i = 0; i < args.size(); ++i) {
        const QString arg = args.at(i);
        if (arg == QLatin1String("-h") || arg == QLatin1String("--help")) {
            usage(stdout);
            return 0;
        }
        if (arg == QLatin1String("--absolute")) {
            params.absolutePaths = true;
            continue;
        }
        if (arg == QLatin1String("--miscased")) {
            params.miscased = true;
            continue;
        }
        bool matched = false;
        for (const Option &option : kOptions) {
            if (arg != QLatin1String(option.name))
                continue;
            bool ok = false;
            const int value = i + 1 < args.size() ? args.at(i + 1).toInt(&ok) : 0;
            if (!ok || value < 0 || value > 1000000) {
                std::fprintf(stderr, "dal-bench-gen: %s needs a number 0..1000000\n", option.name);
                return 2;
            }
            params.*option.member = value;
            ++i;
            matched = true;
        }
        if (matched)
            continue;
        if (arg.startsWith(QLatin1Char('-')) || !out.isEmpty()) {
            usage(stderr);
            return 2;
        }
        out = arg;
    }
    if (out.isEmpty()) {
        usage(stderr);
        return 2;
    }
    if (params.devices < 1) {
        std::fprintf(stderr, "dal-bench-gen: --devices must be at least 1\n");
        return 2;
    }
    QString error;
    if (!TreeGen::write(out, params, &error)) {
        std::fprintf(stderr, "dal-bench-gen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
