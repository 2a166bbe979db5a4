#include "DALCommon.h"
#include "dal_version.h"
#include "pathresolver_p.h"
#include "report_p.h"

#include <QDir>

// Process-wide state, initialised when the library is loaded.
int DALCommon::m_status = 0;
QStringList DALCommon::m_errors;
QString DALCommon::m_configRoot = QStringLiteral("./../config/xml/");

DALCommon::DALCommon(char const *root)
{
    setConfigRoot(root);
}

DALCommon &DALCommon::operator=(DALCommon const &)
{
    return *this;
}

int DALCommon::getStatus()
{
    return m_status;
}

void DALCommon::setError(QString const &message)
{
    if (!message.isEmpty()) {
        m_errors.append(message);
        DALReport::appended(0, message);
    }
    m_status = 0;
}

void DALCommon::setError(int code, QString const &detail)
{
    if (code == 0) {
        m_status = 0;
        return;
    }
    QString message = getErrorMessage(code);
    if (!detail.isEmpty())
        message += QLatin1String(": ") + detail;
    m_errors.append(message);
    DALReport::appended(code, message);
    m_status = -1;
}

QString DALCommon::getErrorMessage(int code)
{
    switch (code) {
    case 1: return QStringLiteral("File open failed");
    case 2: return QStringLiteral("XML DOM parse failed");
    case 3: return QStringLiteral("Device access failed");
    case 4: return QStringLiteral("Invalid settings name");
    case 5: return QStringLiteral("Configuration parameter error");
    case 6: return QStringLiteral("Unknown RF device");
    case 7: return QStringLiteral("Read only register");
    case 8: return QStringLiteral("Write register failed");
    default: return QStringLiteral("Unknown error: %1").arg(code);
    }
}

QString DALCommon::getLatestError()
{
    return m_errors.isEmpty() ? QString() : m_errors.last();
}

QStringList const &DALCommon::getErrorList()
{
    return m_errors;
}

void DALCommon::clearErrorList()
{
    m_status = 0;
    m_errors.clear();
    DALReport::cleared();
}

int DALCommon::setConfigRoot(QString const &dir)
{
    DALPathResolver::dropCache();
    const QDir root(dir);
    if (root.exists()) {
        m_configRoot = dir;
        m_status = 0;
    } else {
        m_configRoot.clear();
        m_errors.append(QLatin1String("Directory does not exist: ") + root.absolutePath());
        DALReport::locate(root.absolutePath(), 0, 0);
        DALReport::appended(0, m_errors.last());
        m_status = 1;
    }
    return m_status;
}

int DALCommon::setConfigRoot(char const *dir)
{
    return setConfigRoot(QString::fromUtf8(dir));
}

QString &DALCommon::getConfigRoot()
{
    return m_configRoot;
}

// Programs built against these headers refer to this symbol (dal_version.h):
// linking the libdal of the other Qt fails instead of crashing.
extern "C" DAL_EXPORT int DAL_LINK_CHECK_SYMBOL()
{
    return DAL_QT_MAJOR_VERSION;
}
