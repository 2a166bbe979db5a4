#ifndef DALRFFRONTENDSETTINGS_H
#define DALRFFRONTENDSETTINGS_H

#include "dal_export.h"
#include "DALRfCmdSettings.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;

/*
 * The RF front ends of a device ("frontend_settings.xml"): for each front end
 * the commands that belong to it, optionally per frequency range. A range
 * with Min and Max both 0 is the front end's default range. The commands are
 * read with DALRfCmdSettings::getCommands.
 *
 * Without a command-settings reader (a null pointer) a range that holds
 * Command elements cannot be read: "DALRfFrontEndSettings: Null pointer" is
 * recorded and that front end stops there, as for any other failure in it.
 * Front ends and ranges without commands are read as usual.
 *
 * Copies hold their own FrontEnd records and their own QDomDocument handle
 * onto the shared parsed tree (freed by Qt with the last handle), so every
 * object releases exactly what it owns, in any order of destruction.
 */
class DAL_EXPORT DALRfFrontEndSettings
{
public:
    struct FrequencyRange
    {
        unsigned short min = 0;
        unsigned short max = 0;
        QList<DALRfCmdSettings::Command> commands;
    };

    struct FrontEnd
    {
        QString name;
        QList<FrequencyRange> frequencyRanges;
    };

    DALRfFrontEndSettings(const QString &deviceName, DALRfCmdSettings *cmdSettings);
    DALRfFrontEndSettings(const DALRfFrontEndSettings &other);
    DALRfFrontEndSettings &operator=(const DALRfFrontEndSettings &other);
    ~DALRfFrontEndSettings();

    int getStatus();
    FrontEnd *getFrontEnd(QString name);
    QStringList getFrontEndNames();
    QList<DALRfCmdSettings::Command> getFrontEndCommands(const QString &name, const double &frequency);

private:
    int createFrontEnds();
    int createFrontEndSettings(FrontEnd *frontEnd, QDomElement &element);
    int createCommandSettings(const QDomElement &element, FrequencyRange *range);

    void copyFrom(const DALRfFrontEndSettings &other);
    void release();

    QString m_deviceName;
    QDomDocument *m_document;
    int m_status;
    DALRfCmdSettings *m_cmdSettings;
    QMap<QString, FrontEnd *> m_frontEnds;
    static const QString m_fileNameFrontEndSettings;
};

#endif // DALRFFRONTENDSETTINGS_H
