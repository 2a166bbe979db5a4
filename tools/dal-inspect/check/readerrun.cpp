#include "readerrun.h"

#include "DALCommon.h"
#include "DALDeviceConfig.h"
#include "DALDeviceDescr.h"
#include "DALDeviceList.h"
#include "DALDiagnostics.h"
#include "DALPaSettingsDef.h"
#include "DALParamCmdMapping.h"
#include "DALParamDef.h"
#include "DALRadioParDef.h"
#include "DALRfCmdDef.h"
#include "DALRfCmdSettings.h"
#include "DALRfFrontEndSettings.h"
#include "DALRfOverrideDef.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

// Readers that own a file, in the order a host typically uses them.
const char kDescription[] = "device_description.xml";
const char kParameters[] = "param_definition.xml";
const char kMapping[] = "param_cmd_mapping.xml";
const char kRadioPars[] = "radio_par_definitions.xml";
const char kCommands[] = "rf_command_definitions.xml";
const char kOverrides[] = "dummy_file_overrides.xml";
const char kSettings[] = "categories.xml";
const char kPa[] = "pasettings.xml";
const char kFrontEnds[] = "frontend_settings.xml";

} // namespace

QStringList ReaderRun::readDeviceList(QString const &root)
{
    DALCommon::clearErrorList();
    QStringList devices;
    DALDeviceList list(root);
    if (list.getStatus() == 0) {
        for (QString group : list.getDeviceGroups()) {
            for (const QString &device : list.getGroupDevices(group)) {
                if (!devices.contains(device))
                    devices.append(device);
            }
        }
    }
    finish(QString(), "deviceList", root + QStringLiteral("device_list.xml"), list.getStatus());
    return devices;
}

void ReaderRun::readDevice(QString const &root, QString const &device)
{
    DALDeviceConfig::deleteInstance();
    DALCommon::clearErrorList();
    // Any lookup reads the file; the name looked up does not matter.
    DALDeviceConfig::getPath(QStringLiteral("device_config.xml"), device, QString(), QString());
    const bool read = DALCommon::getErrorList().isEmpty();
    finish(device, "deviceConfig", root + device.toLower() + QStringLiteral("/device_config.xml"));
    if (read)
        runReaders(device);
    DALDeviceConfig::deleteInstance();
    DALCommon::clearErrorList();
}

QString ReaderRun::begin(QString const &device, char const *file)
{
    DALCommon::clearErrorList();
    return DALDeviceConfig::getPath(QLatin1String(file), device, QString(), QString());
}

void ReaderRun::finish(QString const &device, char const *reader, QString const &fallbackFile, int status)
{
    FindingSink sink(m_findings);
    sink.setDevice(device);
    sink.setReader(QLatin1String(reader));
    const QList<DALDiagnostics::Diagnostic> &diagnostics = DALDiagnostics::getDiagnostics();
    for (const DALDiagnostics::Diagnostic &diagnostic : diagnostics) {
        // Parse failures put the parser's message on a line of its own.
        QString text = diagnostic.text;
        text.replace(QStringLiteral(": \n"), QStringLiteral(": ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
        const QString file = diagnostic.file.isEmpty() ? fallbackFile : diagnostic.file;
        sink.add(QStringLiteral("reader-message"), QDir::cleanPath(QFileInfo(file).absoluteFilePath()), diagnostic.line,
                 diagnostic.column, text);
    }
    if (status != 0 && diagnostics.isEmpty())
        sink.add(QStringLiteral("reader-message"), QDir::cleanPath(QFileInfo(fallbackFile).absoluteFilePath()), 0, 0,
                 QStringLiteral("the reader ended with status %1 without a message").arg(status));
    DALCommon::clearErrorList();
}

template <typename Reader> void ReaderRun::runPlain(QString const &device, char const *reader, char const *file)
{
    const QString directory = begin(device, file);
    if (directory.isEmpty())
        return;
    QString name = device;
    const Reader read(name);
    finish(device, reader, directory + QLatin1Char('/') + QLatin1String(file));
}

void ReaderRun::runReaders(QString const &device)
{
    QString name = device;
    QString directory;
    if (!(directory = begin(device, kDescription)).isEmpty()) {
        DALDeviceDescr description(name, true);
        finish(device, "description", directory + QLatin1Char('/') + QLatin1String(kDescription), description.getStatus());
    }
    runPlain<DALParamDef>(device, "parameters", kParameters);
    runPlain<DALParamCmdMapping>(device, "mapping", kMapping);
    runPlain<DALRadioParDef>(device, "radioParameters", kRadioPars);
    runPlain<DALRfCmdDef>(device, "commands", kCommands);
    if (!(directory = begin(device, kOverrides)).isEmpty()) {
        DALRfOverrideDef overrides(name);
        finish(device, "overrides", directory);
    }
    // The PA and front-end readers read their commands through a settings
    // object, so one is made even when categories.xml is not configured.
    std::unique_ptr<DALRfCmdSettings> settings;
    if (!(directory = begin(device, kSettings)).isEmpty()) {
        settings.reset(new DALRfCmdSettings(name));
        finish(device, "settings", directory + QLatin1Char('/') + QLatin1String(kSettings), settings->getStatus());
    } else {
        settings.reset(new DALRfCmdSettings(name));
        DALCommon::clearErrorList();
    }
    if (!(directory = begin(device, kPa)).isEmpty()) {
        DALPaSettingsDef paSettings(QString(), device, settings.get(), true);
        finish(device, "pa", directory);
    }
    if (!(directory = begin(device, kFrontEnds)).isEmpty()) {
        DALRfFrontEndSettings frontEnds(device, settings.get());
        finish(device, "frontEnds", directory + QLatin1Char('/') + QLatin1String(kFrontEnds), frontEnds.getStatus());
    }
}
