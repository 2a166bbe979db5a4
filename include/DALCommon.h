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

/*
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
 * openDomDocument lower-cases the file name (never the root). When no file
 * exists under the lower-cased name but one exists under the name as given,
 * that one is read, so trees written on case-insensitive file systems (with
 * names such as "Override_A.xml") read the same on case-sensitive ones.
 * Messages name the lower-cased path unless the given spelling was opened.
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
    DALCommon(char const *root = "./../config/xml/");
    DALCommon &operator=(DALCommon const &);

    // Status and error list
    static int getStatus();
    static void setError(QString const &message);
    static void setError(int code, QString const &detail);
    static QString getErrorMessage(int code);
    static QString getLatestError();
    static QStringList const &getErrorList();
    static void clearErrorList();

    // Configuration root and XML loading
    static int setConfigRoot(QString const &dir);
    static int setConfigRoot(char const *dir);
    static QString &getConfigRoot();
    static int openDomDocument(QString const &fileName, QString const &docName,
                               QDomDocument **document, bool relativeToRoot);
    static QString getTextFromTagName(QString const &tagName, QDomDocument *document);
    static QString getTextFromTagName(QString const &tagName, QDomElement *element);

    // Device family tests on device names
    static bool isVo47(QString const &device);
    static bool isVo83(QString const &device);
    static bool isTundra(QString const &device);
    static bool isVo47Tundra(QString const &device);
    static bool isVo83Tundra(QString const &device);
    static bool isTundraBaw(QString const &device);
    static bool isTundraHighPa(QString const &device);
    static bool isTundraPg1(QString const &device);
    static bool isVo47Saffron(QString const &device);
    static bool isVo83Saffron(QString const &device);
    static bool isSaffron(QString const &device);
    static bool isVo47Pg20(QString const &device);
    static bool isVo83K7(QString const &device);
    static bool isVo47Ble(QString const &device);
    static bool isVo83Ble(QString const &device);
    static bool isVoBle(QString const &device);
    static bool isVoBle5(QString const &device);
    static bool isVo47Ieee154(QString const &device);
    static bool isVo83Ieee154(QString const &device);
    static bool isVoIeee154(QString const &device);
    static bool isVo47Proprietary(QString const &device);
    static bool isVo83Proprietary(QString const &device);
    static bool isVoProprietary(QString const &device);

    // Tests on UI class strings
    static bool isUiClassBle(QString const &uiClass);
    static bool isDeviceUsingChannels(QString const &uiClass);
    static bool isContTxDataFormatEnabled(QString const &uiClass);
    static bool hasPacketRxAdvancedPanel(QString const &uiClass, QString const &device);

    // Device name utilities
    static QString getDeviceNameWithoutSuffix(QString const &device);
    static void removePgInformation(QString *device);
    static QString chipTypeToString(unsigned short chipType);

    // Debug log ("dal_debug.txt" in the current directory)
    static void logToFile(QString const &text);
    static void logToFile(unsigned long address, int count, unsigned char *bytes);
    static void logToFile(unsigned long address, int count, unsigned long *words);

    // Text utilities
    static QString getBuildNbr();
    static void encodeHtmlCharEntities(QString &text);
    static unsigned char reverseBitOrder(char const &value);
    static bool isHexDigit(QChar c);

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
