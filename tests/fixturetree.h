#ifndef DAL_FIXTURETREE_H
#define DAL_FIXTURETREE_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTranslator>

class QDomDocument;

// Parses a document written by a test, for the classes that are handed a
// parsed document; aborts the test program when it is not well-formed.
QDomDocument parseXml(QByteArray const &xml);

// Marks every text it is asked for as "T<text>": shows which messages go
// through translation, and that their arguments are filled in afterwards.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return QStringLiteral("T<%1>").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

// Resets the library's process-wide state: error list, status, device map.
void resetLibraryState();

// A configuration tree written by a test into a fresh scratch directory whose
// absolute path is all lower case (readers lower-case the whole path of files
// outside the root). Creating one resets the library state and makes the tree
// the configuration root; destroying it removes the directory.
class FixtureTree
{
public:
    FixtureTree();
    ~FixtureTree();
    FixtureTree(FixtureTree const &) = delete;
    FixtureTree &operator=(FixtureTree const &) = delete;

    bool isValid() const { return !m_root.isEmpty(); }
    // Absolute path with a trailing "/".
    QString root() const { return m_root; }
    QString path(QString const &relative) const { return m_root + relative; }

    // Writes a file (creating its directories); returns false on failure.
    bool write(QString const &relative, QByteArray const &content) const;
    bool mkdir(QString const &relative) const;

    // Writes <root>/<device>/device_config.xml with one <path> per file, all
    // naming the absolute directory <root>/<dir> (default: the device's own).
    bool writeDeviceConfig(QString const &device, QStringList const &files,
                           QString const &dir = QString()) const;

private:
    QString m_root;
};

#endif // DAL_FIXTURETREE_H
