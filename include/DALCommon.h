#ifndef DALCOMMON_H
#define DALCOMMON_H

#include "dal_export.h"

#include <QChar>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTextStream>

class QByteArray;
class QDomDocument;
class QDomElement;

/**
 * Process-wide services of the library: the status word, the error list, the
 * configuration root and the one loader of XML documents; the device family
 * tests; the debug log and a few text utilities.
 *
 * Status convention: 0 is success and every other value a failure. 1 means a
 * file could not be opened, 2 that it was not well-formed XML, -1 that an error
 * was recorded or content was rejected. Callers test for non-zero only.
 *
 * All members are static and unguarded; the library is called from one thread
 * at a time. The state is initialised when the library is loaded: the root is
 * "./../config/xml/", the error list is empty and the status is 0.
 *
 * openDomDocument lower-cases the file name (never the root). Trees written
 * on case-insensitive file systems read the same on case-sensitive ones: the
 * file is looked for under the lower-cased path, then under the name as given,
 * then component by component, taking a component that exists exactly or else
 * the one entry of its directory that matches it without regard to case (two
 * or more such entries: the file cannot be opened). Directory listings are
 * cached until the root is set again or DALDeviceConfig::deleteInstance() is
 * called. Messages always name the lower-cased path.
 *
 * Before it parses, the loader decodes the file (byte-order mark, UTF-16 or
 * UTF-32 without one, else UTF-8, then the encoding the XML declaration
 * names) and refuses, as not well-formed (2), what a configuration file never
 * needs and Qt's parser cannot take safely: a file larger than 16 MiB,
 * entity declarations, nesting deeper than 1000 levels, node depths that add
 * up to more than 128 million, and more nodes than the file's size allows for.
 *
 * encodeHtmlCharEntities: a closing tag that carries something after white
 * space behind its name ("</b class=x>") is turned into "&lt;/b&gt;": the tag's
 * name is kept, the stray attributes are dropped and both brackets are escaped
 * so that rich text shows it literally instead of taking it for markup.
 * The debug log is written as UTF-8.
 */
class DAL_EXPORT DALCommon
{
public:
    /// Sets the configuration root to @p root (setConfigRoot()) and keeps its result as the status.
    DALCommon(char const *root = "./../config/xml/");
    /// Does nothing: the state is process-wide.
    DALCommon &operator=(DALCommon const &);

    /// @name Status and error list
    /// @{

    /// The library-wide status: 0 after success, -1 after a recorded error, 1 or 2 after a failed open.
    static int getStatus();
    /// Appends @p message when it is not empty, without marking a failure: the status becomes 0.
    static void setError(QString const &message);
    /**
     * Appends getErrorMessage(@p code), followed by ": " and @p detail when
     * the detail is not empty, and sets the status to -1. Code 0 records
     * nothing and sets the status to 0.
     */
    static void setError(int code, QString const &detail);
    /// The first words of a message for @p code 1 to 8 ("File open failed", ...); "Unknown error: <code>" otherwise.
    static QString getErrorMessage(int code);
    /// The newest message; empty when the list is empty.
    static QString getLatestError();
    /// Every message recorded since the last clearErrorList(), oldest first.
    static QStringList const &getErrorList();
    /// Empties the error list and sets the status to 0.
    static void clearErrorList();
    /// @}

    /// @name Configuration root and XML loading
    /// @{

    /**
     * Makes @p dir, exactly as given, the configuration root and returns 0.
     * When it is not an existing directory the root becomes empty,
     * "Directory does not exist: <absolute path>" is recorded and 1 is
     * returned. The status is set to the result.
     */
    static int setConfigRoot(QString const &dir);
    /// setConfigRoot() for a UTF-8 text.
    static int setConfigRoot(char const *dir);
    /// The configuration root, modifiable.
    static QString &getConfigRoot();
    /**
     * Opens and parses one XML file: @p fileName lower-cased, after the
     * configuration root when @p relativeToRoot is true. @p docName only names
     * the new document. Returns 0 with a new document in @p *document that the
     * caller owns and deletes; 1 (not opened) or 2 (not well-formed) with a
     * null document and the failure recorded ("File open failed: <path>",
     * "XML DOM parse failed: <path>, line <n>: \n<message>"). A file-open
     * failure that follows an uncleared failure is not recorded.
     */
    static int openDomDocument(QString const &fileName, QString const &docName,
                               QDomDocument **document, bool relativeToRoot);
    /// Whole text of the first element named @p tagName in @p document; empty when there is none.
    static QString getTextFromTagName(QString const &tagName, QDomDocument *document);
    /// Whole text of the first element named @p tagName below @p element; empty when there is none.
    static QString getTextFromTagName(QString const &tagName, QDomElement *element);
    /// @}

    /// @name Device family tests on device names
    /// Case-sensitive tests on a device name that may carry a PHY and a version.
    /// @{

    static bool isVo47(QString const &device);        ///< Contains "VO47".
    static bool isVo83(QString const &device);        ///< Contains "VO83".
    static bool isTundra(QString const &device);      ///< isVo47Tundra() or isVo83Tundra().
    static bool isVo47Tundra(QString const &device);  ///< Matches "VO47\d7".
    static bool isVo83Tundra(QString const &device);  ///< Matches "VO83\d7".
    static bool isTundraBaw(QString const &device);   ///< Contains "VO8367KN".
    static bool isTundraHighPa(QString const &device); ///< Contains "VO4767W".
    static bool isTundraPg1(QString const &device);   ///< isTundra() and, upper-cased, matches "_PG1\d".
    static bool isVo47Saffron(QString const &device); ///< Matches "VO47\d5".
    static bool isVo83Saffron(QString const &device); ///< Matches "VO83\d5" or contains "KBT203".
    static bool isSaffron(QString const &device);     ///< isVo83Saffron() or isVo47Saffron().
    static bool isVo47Pg20(QString const &device);    ///< Contains "VO47" and, upper-cased, "_PG20".
    static bool isVo83K7(QString const &device);      ///< Contains "K7" and "VO83".
    static bool isVo47Ble(QString const &device);     ///< Contains "VO47" and "BLE".
    /// Matches "VO836\d[A-Z]{0,2}_BLE", or contains "VO8395" but not "PROP", or contains "VO8397K".
    static bool isVo83Ble(QString const &device);
    static bool isVoBle(QString const &device);       ///< isVo83Ble() or isVo47Ble().
    static bool isVoBle5(QString const &device);      ///< isVo83K7(), or a Bluetooth Low Energy name that isTundra().
    static bool isVo47Ieee154(QString const &device); ///< Contains "VO47" and "IEEE_15_4".
    /// Matches "VO836\d[A-Z]{0,1}_IEEE_15_", or contains "VO8345" or "VO8375".
    static bool isVo83Ieee154(QString const &device);
    static bool isVoIeee154(QString const &device);   ///< isVo83Ieee154() or isVo47Ieee154().
    /// Matches "VO476\d[A-Z]{0,1}_PROP", or contains "VO4725" or "VO4727".
    static bool isVo47Proprietary(QString const &device);
    static bool isVo83Proprietary(QString const &device); ///< Contains "VO8395K7T_PROP".
    static bool isVoProprietary(QString const &device);   ///< isVo83Proprietary() or isVo47Proprietary().
    /// @}

    /// @name Tests on UI class strings
    /// @{

    /// True for the UI class "BLE".
    static bool isUiClassBle(QString const &uiClass);
    /// True for "IEEE-A", "IEEE-B" and "BLE".
    static bool isDeviceUsingChannels(QString const &uiClass);
    /// False for "PROP-A-SOC", "PROP-F" and "PROP-G"; otherwise !isDeviceUsingChannels().
    static bool isContTxDataFormatEnabled(QString const &uiClass);
    /// False for "IEEE-A", "IEEE-B" and "BLE"; otherwise true unless isVo47(@p device).
    static bool hasPacketRxAdvancedPanel(QString const &uiClass, QString const &device);
    /// @}

    /// @name Device name utilities
    /// @{

    /// The part of @p device before the first "_" (all of it without one).
    static QString getDeviceNameWithoutSuffix(QString const &device);
    /// Cuts @p device before its first "_PG", unless that stands at the start.
    static void removePgInformation(QString *device);
    /// "VO8395" for 0xFE12, otherwise "VO" and the value in lower-case hexadecimal.
    static QString chipTypeToString(unsigned short chipType);
    /// @}

    /// @name Debug log ("dal_debug.txt" in the current directory)
    /// The log is created (truncated) at the first write and stays open.
    /// @{

    /// Writes @p text and a line feed.
    static void logToFile(QString const &text);
    /// Hex dump of @p count bytes, 16 to a line, the first at @p address.
    static void logToFile(unsigned long address, int count, unsigned char *bytes);
    /// Hex dump of @p count 32-bit words as their bytes in memory order, the first at @p address.
    static void logToFile(unsigned long address, int count, unsigned long *words);
    /// @}

    /// @name Text utilities
    /// @{

    /// "(<line>)" for the last line of "version.txt" that contains "build" ("release" and then spaces removed); empty without one.
    static QString getBuildNbr();
    /// Escapes " < " and " > " in @p text, and closing tags that carry attributes, so rich text shows them.
    static void encodeHtmlCharEntities(QString &text);
    /// @p value with its 8 bits in reverse order.
    static unsigned char reverseBitOrder(char const &value);
    /// True for 0-9, a-f and A-F.
    static bool isHexDigit(QChar c);
    /// @}

private:
    static void writeToFile(unsigned long address, int count, QByteArray const &data);
    static void openDebugFile();

    static int m_status;
    static QStringList m_errors;
    static QString m_configRoot;
    static QFile m_debugFile;
    static QTextStream *m_pDebugStream;
};

#endif // DALCOMMON_H
