#include "stdoutcapture.h"

#include <QFile>

#include <cstdio>
#include <iostream>

#ifdef Q_OS_WIN
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define close _close
#define fileno _fileno
#else
#include <unistd.h>
#endif

StdoutCapture::StdoutCapture()
{
    if (!m_file.open())
        return;
    std::cout.flush();
    std::fflush(stdout);
    m_savedFd = dup(fileno(stdout));
    if (m_savedFd < 0)
        return;
    if (dup2(m_file.handle(), fileno(stdout)) < 0) {
        close(m_savedFd);
        m_savedFd = -1;
    }
}

StdoutCapture::~StdoutCapture()
{
    finish();
}

QStringList StdoutCapture::finish()
{
    if (m_savedFd < 0)
        return QStringList();
    std::cout.flush();
    std::fflush(stdout);
    dup2(m_savedFd, fileno(stdout));
    close(m_savedFd);
    m_savedFd = -1;

    // The descriptor shared its offset with the writes: read through a
    // handle of its own.
    QFile written(m_file.fileName());
    if (!written.open(QIODevice::ReadOnly))
        return QStringList();
    const QString text = QString::fromLocal8Bit(written.readAll());
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}
