#ifndef DALINSPECT_CHECK_READERRUN_H
#define DALINSPECT_CHECK_READERRUN_H

#include "finding.h"

#include <QList>
#include <QString>
#include <QStringList>

// Reads a tree the way a host does and turns every message the library
// records into a finding, located through DALDiagnostics.
//
// Per device: the device map is dropped and the error list cleared, then
// device_config.xml is read. When that fails the device's readers are not
// run (they would all look unconfigured). Otherwise each reader runs in turn
// on a cleared error list, unless device_config.xml has no entry for its
// file: an unconfigured reader is no mistake.
class ReaderRun
{
public:
    explicit ReaderRun(QList<Finding> *findings)
        : m_findings(findings)
    {
    }

    // device_list.xml in the configuration root; the devices of its groups,
    // each once, in order.
    QStringList readDeviceList(QString const &root);
    void readDevice(QString const &root, QString const &device);

private:
    void runReaders(QString const &device);
    // A reader constructed from the device name alone, which reads one file.
    template <typename Reader> void runPlain(QString const &device, char const *reader, char const *file);
    // The directory device_config.xml gives for the reader's file, or empty
    // when the reader is not configured.
    QString begin(QString const &device, char const *file);
    // The messages recorded since begin(); a failing status without any is a finding too.
    void finish(QString const &device, char const *reader, QString const &fallbackFile, int status = 0);

    QList<Finding> *m_findings;
};

#endif // DALINSPECT_CHECK_READERRUN_H
