#ifndef DAL_READERFIXTURE_H
#define DAL_READERFIXTURE_H

#include "fixturetree.h"

#include <QByteArray>
#include <QString>

#include <memory>

// A tree in which device VO4725 maps one file to its own directory, the file
// holding body inside a root element; reader is built from it for device.
template <typename Reader>
struct ReaderFixture
{
    FixtureTree tree;
    std::unique_ptr<Reader> reader;

    ReaderFixture(QString const &file, QByteArray const &root, QByteArray const &body,
                  QString device = QStringLiteral("VO4725"))
    {
        tree.writeDeviceConfig(QStringLiteral("VO4725"), {file});
        tree.write(QStringLiteral("vo4725/") + file, "<" + root + ">" + body + "</" + root + ">");
        reader.reset(new Reader(device));
    }
};

#endif // DAL_READERFIXTURE_H
