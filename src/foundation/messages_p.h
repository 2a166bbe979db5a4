#ifndef DAL_MESSAGES_P_H
#define DAL_MESSAGES_P_H

#include <QString>

// Message details that the library and its tools both write, kept in one
// place so that they read the same wherever they come from. Internal to the
// library.
namespace DALMessages {

// The detail of a file that cannot be parsed (code 2): its path, the line,
// a line feed and the reason.
inline QString parseFailure(QString const &absolutePath, int line, QString const &reason)
{
    return absolutePath + QStringLiteral(", line %2: \n%1").arg(reason, QString::number(line));
}

// The detail of a file that the device map has no directory for (code 5).
inline QString missingDirectory(QString const &fileName, QString const &device)
{
    return QStringLiteral("Failed to find path to %1 for device: %2").arg(fileName, device);
}

} // namespace DALMessages

#endif // DAL_MESSAGES_P_H
