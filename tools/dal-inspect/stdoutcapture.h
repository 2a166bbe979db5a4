#ifndef DALINSPECT_STDOUTCAPTURE_H
#define DALINSPECT_STDOUTCAPTURE_H

#include <QStringList>
#include <QTemporaryFile>

// Diverts the process's standard output (file descriptor 1, so that C stdio,
// iostreams and QTextStream(stdout) are all caught) into a temporary file
// while it lives. In --json mode this keeps stdout one clean JSON document
// although the library writes some diagnostics there by itself (faulty packet
// fields). When the temporary file cannot be made, nothing is diverted.
class StdoutCapture
{
public:
    StdoutCapture();
    ~StdoutCapture();
    StdoutCapture(StdoutCapture const &) = delete;
    StdoutCapture &operator=(StdoutCapture const &) = delete;

    // Restores standard output and returns the lines written meanwhile
    // (without their line ends). Later calls return an empty list.
    QStringList finish();

private:
    QTemporaryFile m_file;
    int m_savedFd = -1;
};

#endif // DALINSPECT_STDOUTCAPTURE_H
