#include "rootchoice.h"

#include <QDir>
#include <QFileInfo>

RootChoice chooseRoot(QString const &option, QString const &sample)
{
    RootChoice choice;
    choice.startDirectory = QDir::currentPath();
    QString root = option;
    if (option.isNull()) {
        const bool here = QFileInfo(QDir(choice.startDirectory).filePath(QStringLiteral("device_list.xml"))).isFile();
        choice.origin = here ? RootChoice::CurrentDirectory : RootChoice::Sample;
        root = here ? choice.startDirectory : sample;
    }
    choice.root = QDir(root).absolutePath() + QLatin1Char('/');
    return choice;
}
