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

/**
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
 * The parsed document is released as soon as the constructor has read it
 * into records: nothing reads it again. Copies carry the records and hold
 * no document.
 *
 * The records that getFrontEnd() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALRfFrontEndSettings
{
public:
    /// The commands of a front end for one frequency range.
    struct FrequencyRange
    {
        unsigned short min = 0; ///< Lower bound, inclusive (`Min`).
        unsigned short max = 0; ///< Upper bound, inclusive (`Max`); min = max = 0 is the default range.
        QList<DALRfCmdSettings::Command> commands; ///< Its commands, in document order.
    };

    /// One `FrontEnd` element.
    struct FrontEnd
    {
        QString name;                          ///< The `name` attribute; also its key.
        QList<FrequencyRange> frequencyRanges; ///< Its ranges, in document order.
    };

    /**
     * Reads the device's "frontend_settings.xml", found through the device
     * map; a device without entry records "Failed to find path to %1 for
     * device: %2" (code 5) and sets the status to -1. @p cmdSettings reads the
     * commands; it is not owned and must outlive this object.
     */
    DALRfFrontEndSettings(const QString &deviceName, DALRfCmdSettings *cmdSettings);
    /// Copies the front ends, the status and the pointer, with its own records.
    DALRfFrontEndSettings(const DALRfFrontEndSettings &other);
    /// Assigns the front ends, the status and the pointer, with its own records.
    DALRfFrontEndSettings &operator=(const DALRfFrontEndSettings &other);
    /// Releases its records and its handle on the document.
    ~DALRfFrontEndSettings();

    /// 0 after reading; -1, 1 or 2 after a failure (-1 only when the last front end failed).
    int getStatus();
    /// The front end named exactly @p name, or null; valid while the object lives unchanged.
    FrontEnd *getFrontEnd(QString name);
    /// The names of the front ends, each once, in ascending order.
    QStringList getFrontEndNames();
    /**
     * A copy of the commands of front end @p name at @p frequency: the first
     * range that holds it, else the default range; for 0.0 the default range.
     * Empty for an unknown name or without such a range. Records nothing.
     */
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
