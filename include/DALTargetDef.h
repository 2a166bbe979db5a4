#ifndef DALTARGETDEF_H
#define DALTARGETDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/**
 * The boards ("targets") a device can be used on. Built from the parsed
 * "targets.xml", which lists the target files, optionally grouped under a
 * VirtualTarget that reuses a file under another name, and names one default.
 * The host then reads the target files one by one with readTargetFile(), in
 * the order of getFileInfolist(), passing each parsed document in. No
 * document is ever owned by this class.
 *
 * Every failure is recorded with error code 1 ("File open failed: ..."). A
 * target file that fails part-way still yields a Target with what could be
 * read.
 *
 * readTargetFile() returns -1 as soon as any pin of the file failed, even when
 * later pins read cleanly: a clean pin does not hide an earlier fault.
 * The first constructor argument and the targets directory are kept (and
 * copied) for the host; nothing here reads them.
 *
 * The records that getTargets() reaches stay where they are while the object
 * lives and is not assigned to: copies get records of their own, so
 * copying the object, changing a copy or destroying it never moves them,
 * and queries never write to them.
 */
class DAL_EXPORT DALTargetDef
{
public:
    /// The levels of one IO pin on a target.
    struct IoSetting
    {
        QString name;            ///< The `name` attribute of the `IoPin`.
        QString controlFunction; ///< Text of `ControlFunction`.
        QString radioSignal;     ///< Text of `RadioSignal`.
        QString idle;            ///< Text of `Idle`: the level while idle.
        QString tx;              ///< Text of `Tx`: the level while transmitting.
        QString rx;              ///< Text of `Rx`: the level while receiving.
    };

    /// One target file, read for one entry of getFileInfolist().
    struct Target
    {
        QString virtualTarget;   ///< The entry's part after ":"; empty for a plain target.
        QString name;            ///< `Name`.
        QString description;     ///< `Description`.
        QString deviceName;      ///< `DeviceName`.
        QString frontEnd;        ///< `FrontEnd`: a front end of frontend_settings.xml.
        QString rfDesign;        ///< `RfDesign`: an RF design of the PA settings.
        QString devicePackage;   ///< `DevicePackage`.
        QString paSettings;      ///< `PaSettings`: a PA settings file name.
        QString defaultCategory; ///< `DefaultCategory`: a category of categories.xml.
        QList<DALTargetDef::IoSetting> ioSettings; ///< The pins of its `IoSettings`, those that read cleanly.
    };

    /// Everything read so far.
    struct Targets
    {
        QString defaultTarget;               ///< Name of the default target ("<name>:<virtual>" for a virtual one).
        QList<DALTargetDef::Target> targets; ///< In the order the target files were read.
    };

    /**
     * Reads the entries and the default of @p targetsDocument, which stays the
     * caller's. @p firstArg and @p targetsDir are kept, @p secondArg is not
     * used. A null document records "Document object to target file is null
     * pointer!"; a nameless VirtualTarget or several defaults are recorded too.
     */
    DALTargetDef(QString &firstArg, QString &secondArg, QDomDocument *targetsDocument,
                 QString const &targetsDir);
    /// Copies every member.
    DALTargetDef(DALTargetDef const &other);
    /// Assigns every member.
    DALTargetDef &operator=(DALTargetDef const &other);
    /// Releases nothing but its own records.
    ~DALTargetDef();

    /// Entries "<target file>:<virtual target name>", in document order: the files to read.
    QStringList getFileInfolist();
    /**
     * Reads the target file parsed into @p targetDocument for @p entry and
     * appends a Target, also when it fails part-way. Returns 0, or -1 after
     * a malformed entry, a null document or a faulty pin (each recorded).
     */
    int readTargetFile(QDomDocument *targetDocument, QString entry);
    /// The targets read so far, modifiable.
    DALTargetDef::Targets &getTargets();
    /// The entry of the first target named @p targetName (paired by position); null when there is none.
    QString getTargetFileName(QString const &targetName);

private:
    int createTargets(QDomDocument const *document);
    int readTargetNodes(QDomNodeList const &nodes);
    int readDefaultTarget(QDomNodeList const &nodes);
    int createIoSettings(QDomDocument *document, Target *target, QString const &entry);
    int createIoSettings(QDomElement const &ioPin, QList<DALTargetDef::IoSetting> *ioSettings,
                         QString const &name, QString const &entry);

    int m_status;
    Targets m_targets;
    QString m_targetsDir;
    QString m_firstArg;
    QStringList m_fileInfoList;
    QString m_defaultEntry;
};

#endif // DALTARGETDEF_H
