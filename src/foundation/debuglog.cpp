#include "DALCommon.h"
#include "qtcompat_p.h"

#include <QByteArray>

#include <limits>

// The log lies in the current directory and is opened (and truncated) by the
// first write of the process. The stream is never deleted: the log stays open
// until the process ends.
QFile DALCommon::m_debugFile(QStringLiteral("dal_debug.txt"));
QTextStream *DALCommon::m_pDebugStream = nullptr;

void DALCommon::openDebugFile()
{
    if (!m_debugFile.open(QIODevice::WriteOnly | QIODevice::Text))
        return; // Tried again at the next write.
    if (!m_pDebugStream) {
        m_pDebugStream = new QTextStream(&m_debugFile);
        DALQtCompat::setUtf8(*m_pDebugStream);
    }
}

void DALCommon::logToFile(QString const &text)
{
    if (!m_debugFile.isOpen())
        openDebugFile();
    if (!m_pDebugStream)
        return;
    *m_pDebugStream << text << '\n';
    m_pDebugStream->flush();
}

void DALCommon::logToFile(unsigned long address, int count, unsigned char *bytes)
{
    QByteArray data;
    if (bytes && count > 0)
        data = QByteArray(reinterpret_cast<char const *>(bytes), count);
    writeToFile(address, count, data);
}

void DALCommon::logToFile(unsigned long address, int count, unsigned long *words)
{
    // Each word contributes its low 32 bits, least significant byte first,
    // whatever the width of unsigned long on the platform.
    QByteArray data;
    if (words && count > 0) {
        const int maxWords = std::numeric_limits<int>::max() / 4;
        const int n = count < maxWords ? count : maxWords;
        data.reserve(4 * n);
        for (int i = 0; i < n; ++i) {
            const unsigned long word = words[i];
            for (int shift = 0; shift < 32; shift += 8)
                data.append(static_cast<char>((word >> shift) & 0xFFu));
        }
    }
    writeToFile(address, count, data);
}

void DALCommon::writeToFile(unsigned long address, int /*count*/, QByteArray const &data)
{
    if (!m_debugFile.isOpen())
        openDebugFile();
    if (!m_pDebugStream)
        return;

    auto lineStart = [](unsigned long at) {
        return QStringLiteral("0x%1 |").arg(at, 8, 16, QLatin1Char('0'));
    };
    QString line = lineStart(address);
    for (int i = 0; i < data.size(); ++i) {
        if (i != 0 && i % 16 == 0) {
            *m_pDebugStream << line << '\n';
            address += 16;
            line = lineStart(address);
        }
        line += QStringLiteral("%1 ").arg(static_cast<unsigned char>(data.at(i)), 2, 16,
                                          QLatin1Char('0'));
    }
    // The last line is never empty: an empty block still writes its address.
    *m_pDebugStream << line << '\n';
    m_pDebugStream->flush();
}
