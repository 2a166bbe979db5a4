#ifndef DALINSPECT_ROOTCHOICE_H
#define DALINSPECT_ROOTCHOICE_H

#include <QString>

// The configuration root a command reads, and why that one.
struct RootChoice
{
    enum Origin { Option, CurrentDirectory, Sample };

    QString root; // absolute, with a trailing "/"
    Origin origin = Option;
    QString startDirectory; // the working directory dal-inspect was started in
};

// The root given with --root (option not null); else the current directory
// when it holds device_list.xml; else the bundled sample tree.
RootChoice chooseRoot(QString const &option, QString const &sample);

#endif // DALINSPECT_ROOTCHOICE_H
