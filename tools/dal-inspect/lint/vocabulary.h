#ifndef DALINSPECT_LINT_VOCABULARY_H
#define DALINSPECT_LINT_VOCABULARY_H

#include <QList>
#include <QString>
#include <QStringList>

// What the readers look for in each kind of configuration file: its
// elements, where each may stand, its attributes, the type of every value
// and what an absent one reads as. The linter of "dal-inspect check" and the
// reference docs/file-formats.md ("dal-inspect formats") both work from it.
namespace Vocabulary {

enum class Type {
    None, // holds elements, no text of its own
    Text, // any text, kept as written
    Name, // a name that lookups or other files use; not empty
    File, // a file name, relative to the directory of the file naming it
    Directory, // a directory: absolute, or relative to the host's working directory
    FileKey, // a configuration file name that a reader asks device_config.xml for
    NameList, // names separated by commas, without blanks
    Integer, // decimal integer
    Unsigned8, // unsigned decimal, 0 to 255
    Unsigned16, // unsigned decimal, 0 to 65535
    Hex16, // unsigned hexadecimal ("0x" allowed), 0 to 0xFFFF
    Hex32, // unsigned hexadecimal ("0x" allowed), 0 to 0xFFFFFFFF
    Number, // decimal number, with or without a fraction
    IndexRange, // "first..last", decimal, 0 to 255
    ByteList, // decimal numbers 0 to 255 separated by commas
    YesNo, // "yes" or "no"; any text holding "no" reads as no
    NoFlag, // "yes" or "no"; only "no" reads as no
    TrueFlag, // "yes" or "no"; only "yes", "true" and "1" read as yes
    Access, // "R" or "RW"; an upper-case W makes it writable
    Keyword, // holds one of the keywords, found without regard to case
    Choice, // exactly one of the keywords, without regard to case
    PacketNumber, // unsigned, in the base that the field's Type chooses
};

enum Flag {
    Optional = 0,
    Required = 1, // must be present (a name must not be empty)
    Once = 2, // only the first one in its parent is read
    FirstBelow = 4, // read as the first of its name anywhere below its parent
    ReaderMissing = 8, // the reader itself reports it missing
    ReaderValue = 16, // the reader itself reports a value that does not convert
};

struct Attribute
{
    QString name;
    Type type = Type::Text;
    int flags = Optional;
    QString defaultValue; // what an absent attribute reads as
    QString about;
    QStringList keywords; // Keyword and Choice
};

struct Element
{
    QString name;
    QStringList parents; // elements it stands in; empty for the root
    Type type = Type::None;
    int flags = Optional;
    QString defaultValue; // what an absent element reads as
    QString about;
    QList<Attribute> attributes;
    QStringList keywords;

    Attribute const *attribute(QString const &attributeName) const;
};

// Names that must differ: element, and key "@attribute", "Child" (the text
// of its child element) or "." (its own text), compared among the elements
// of one parent or of the whole file. When two are equal one is never
// found: the later one, or the earlier one when the later replaces it.
struct Unique
{
    QString element;
    QString key;
    bool inFile = true;
    bool laterReplaces = false;
    QString what; // "category", as the message names it
};

struct FileKind
{
    QString id; // "categories"
    QString file; // as the tree names it: "categories.xml", "pasettings*.xml", "packet/NAME.xml"
    QString configKey; // the file= key of device_config.xml that locates it, if any
    QString reader; // the reader (or host document) findings name
    bool readByCheck = true; // whether a reader of "check" reads it (and reports what it cannot parse)
    QString title;
    QString about; // how the file is found and read, for the reference
    QList<Element> elements; // the root first
    QList<Unique> unique;
    QString example;

    Element const &root() const { return elements.first(); }
    // Entries of that name; several when the name means different things in different parents.
    QList<Element const *> named(QString const &name) const;
    // The entry of that name inside parent, or null.
    Element const *find(QString const &name, QString const &parent) const;
    // Names of the elements that may stand inside parent.
    QStringList childNames(QString const &parent) const;
};

QList<FileKind> const &fileKinds();
FileKind const &fileKind(QString const &id);

// The file= keys that the readers (and the host, for the documents it
// parses itself) ask device_config.xml for.
QStringList configKeys();
FileKind const *kindOfConfigKey(QString const &key);

// "unsigned decimal, 0 to 255", for the reference.
QString describe(Type type);

} // namespace Vocabulary

#endif // DALINSPECT_LINT_VOCABULARY_H
