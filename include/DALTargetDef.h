#ifndef DALTARGETDEF_H
#define DALTARGETDEF_H

#include "dal_export.h"

#include <QList>
#include <QString>
#include <QStringList>

class QDomDocument;
class QDomElement;
class QDomNodeList;

/*
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
 */
class DAL_EXPORT DALTargetDef
{
public:
    struct IoSetting
    {
        QString name;
        QString controlFunction;
        QString radioSignal;
        QString idle;
        QString tx;
        QString rx;
    };

    struct Target
    {
        QString virtualTarget;
        QString name;
        QString description;
        QString deviceName;
        QString frontEnd;
        QString rfDesign;
        QString devicePackage;
        QString paSettings;
        QString defaultCategory;
        QList<DALTargetDef::IoSetting> ioSettings;
    };

    struct Targets
    {
        QString defaultTarget;
        QList<DALTargetDef::Target> targets;
    };

    DALTargetDef(QString &firstArg, QString &secondArg, QDomDocument *targetsDocument,
                 QString const &targetsDir);
    DALTargetDef(DALTargetDef const &other);
    DALTargetDef &operator=(DALTargetDef const &other);
    ~DALTargetDef();

    // Entries "<target file>:<virtual target name>", in document order.
    QStringList getFileInfolist();
    int readTargetFile(QDomDocument *targetDocument, QString entry);
    DALTargetDef::Targets &getTargets();
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
