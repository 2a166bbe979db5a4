#include "DALParamDef.h"

#include "DALCommon.h"
#include "report_p.h"
#include "DALDeviceConfig.h"
#include "attachedstate_p.h"
#include "devicefile_p.h"
#include "documentcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "nameindex_p.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QFileInfo>

namespace {

const QString kDefinitionFile = QStringLiteral("param_definition.xml");

// Upper-cases text and returns the value of the first keyword found in it as a
// substring; 0 when none is.
template <typename Enum, int N>
Enum matchKeyword(QString const &text, const char *const (&keywords)[N], const Enum (&values)[N])
{
    const QString upper = text.toUpper();
    for (int i = 0; i < N; ++i) {
        if (upper.contains(QLatin1String(keywords[i])))
            return values[i];
    }
    return Enum(0);
}

// Flag children: false when the upper-cased text contains "NO".
bool flagFromText(QString const &text)
{
    return !text.toUpper().contains(QLatin1String("NO"));
}

using NameIndexes = AttachedState<DALParamDef, NameIndex>;

} // namespace

DALParamDef::DALParamDef(QString &device)
    : m_document(nullptr), m_status(0)
{
    m_status = DALDeviceFile::openForDevice(kDefinitionFile, device, QStringLiteral("paramdefinition"), &m_document);
    if (m_status == -1)
        return; // no directory for the device
    if (m_status == 0) {
        DocumentRead reading(*m_document);
        createParameterList();
        if (reading.exhausted()) {
            m_parList.clear();
            m_status = 2;
        }
        DALDocumentCopy::release(&m_document);
    }
    if (m_status != 0) {
        m_errorText = DALCommon::getLatestError();
    }
}

DALParamDef::DALParamDef(DALParamDef const &other)
    : m_document(DALDocumentCopy::duplicate(other.m_document)),
      m_title(other.m_title),
      m_parList(other.m_parList),
      m_status(other.m_status),
      m_errorText(other.m_errorText)
{
}

DALParamDef &DALParamDef::operator=(DALParamDef const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_document, other.m_document);
        m_title = other.m_title;
        m_parList = other.m_parList;
        m_status = other.m_status;
        m_errorText = other.m_errorText;
        NameIndexes::drop(this);
    }
    return *this;
}

DALParamDef::~DALParamDef()
{
    delete m_document;
    NameIndexes::drop(this);
}

int DALParamDef::count()
{
    return m_parList.count();
}

DALParamDef::ParamDefinition const &DALParamDef::at(int index)
{
    static ParamDefinition empty;
    if (index >= 0 && index < m_parList.count())
        return m_parList.at(index);
    empty.type = PT_NONE;
    return empty;
}

DALParamDef::ParamDefinition const *DALParamDef::getParamDefinition(QString name)
{
    const int count = m_parList.count();
    if (!NameIndex::worthIndexing(count)) {
        for (const ParamDefinition &definition : qAsConst(m_parList)) {
            if (definition.name == name)
                return &definition;
        }
        return nullptr;
    }
    // The records are read-only for the host, so the index stays true.
    NameIndex *index = NameIndexes::find(this);
    if (!index) {
        index = &NameIndexes::obtain(this);
        index->build(count, [this](int i) { return m_parList.at(i).name; });
    }
    const int found = index->first(name);
    return found < 0 ? nullptr : &m_parList.at(found);
}

int DALParamDef::depCount(int index)
{
    return index >= 0 && index < m_parList.count() ? m_parList.at(index).dependencies.count() : 0;
}

DALParamDef::Dependency const &DALParamDef::depAt(int index, int depIndex)
{
    static Dependency empty;
    if (index >= 0 && index < m_parList.count() && depIndex >= 0) {
        const QList<Dependency> &dependencies = m_parList.at(index).dependencies;
        if (depIndex < dependencies.count())
            return dependencies.at(depIndex);
    }
    empty.type = DT_NONE;
    return empty;
}

bool DALParamDef::fileExist(QString const &device)
{
    const QString dir = DALDeviceConfig::getPath(kDefinitionFile, device, QString(), QString());
    if (DALDeviceFile::exists(dir, kDefinitionFile))
        return true;
    const QString path = dir + QLatin1Char('/') + kDefinitionFile;
    DALCommon::setError(DALErrorCode::FileOpenFailed, QStringLiteral("The %1 file could not be found!").arg(path));
    return false;
}

void DALParamDef::createParameterList()
{
    m_title = QStringLiteral("Parameter definition");
    const QDomNodeList groups = DALDom::elements(*m_document, QStringLiteral("parGroup"));
    for (int g = 0; g < groups.count(); ++g) {
        const QDomElement group = DALDom::itemAt(groups, g).toElement();
        ParamDefinition parDef;
        parDef.group = getGroup(group.attribute(QStringLiteral("name")));

        for (QDomNode node = group.firstChild(); !node.isNull(); node = node.nextSibling()) {
            initParDef(&parDef);
            if (!node.isElement())
                continue;
            const QDomElement element = node.toElement();
            parDef.name = element.attribute(QStringLiteral("name"));
            parDef.type = getType(element.attribute(QStringLiteral("type")));
            readSimpleChildren(element, parDef);

            const QDomElement dependencies = element.firstChildElement(QStringLiteral("Dependencies"));
            if (!dependencies.isNull() && handleDependencies(dependencies, parDef) != 0)
                return;
            const QDomElement validation = element.firstChildElement(QStringLiteral("Validation"));
            if (!validation.isNull() && handleValidation(validation, parDef) != 0)
                return;
            if (parDef.type == PT_LIST
                && handleListValues(element.firstChildElement(QStringLiteral("ListValues")), parDef) != 0)
                return;
            const QDomNodeList options = DALDom::elements(element, QStringLiteral("Option"));
            if (options.count() > 0)
                m_status = createOptionList(options, &parDef);
            // Any message recorded while reading this parameter drops it.
            if (DALCommon::getStatus() != 0)
                return;
            m_parList.append(parDef);
        }
    }
}

void DALParamDef::readSimpleChildren(QDomElement const &element, ParamDefinition &parDef)
{
    const auto child = [&element](const char *tag) {
        return element.firstChildElement(QLatin1String(tag));
    };
    QDomElement e;
    if (!(e = child("Access")).isNull())
        parDef.readOnly = !DALDom::text(e).contains(QLatin1Char('W'));
    if (!(e = child("Label")).isNull())
        parDef.label = DALDom::text(e);
    if (!(e = child("Unit")).isNull())
        parDef.unit = DALDom::text(e);
    if (!(e = child("DefValue")).isNull())
        parDef.defValue = DALDom::text(e);
    if (!(e = child("Tooltip")).isNull())
        parDef.tooltip = DALDom::text(e);
    if (!(e = child("UrlHelp")).isNull())
        parDef.urlHelp = DALDom::text(e);
    if (!(e = child("ClassName")).isNull())
        parDef.className = DALDom::text(e);
    if (!(e = child("Editable")).isNull())
        parDef.editable = flagFromText(DALDom::text(e));
    if (!(e = child("Visible")).isNull())
        parDef.visible = flagFromText(DALDom::text(e));
    if (!(e = child("CmdUpdate")).isNull())
        parDef.cmdUpdate = flagFromText(DALDom::text(e));
    if (!(e = child("Row")).isNull())
        parDef.row = DALDom::text(e).toInt(); // 0 when not a number
    if (!(e = child("Buddy")).isNull())
        parDef.buddy = DALDom::text(e);
}

int DALParamDef::initParDef(ParamDefinition *parDef)
{
    const PAR_GROUP group = parDef->group;
    *parDef = ParamDefinition();
    parDef->group = group;
    parDef->visible = true;
    parDef->cmdUpdate = true;
    parDef->precision = -1;
    return 0;
}

DALParamDef::PAR_TYPE DALParamDef::getType(QString const &text)
{
    static const char *const keywords[] = {"COMPOSIT", "BOOL", "TEXT", "INT",
                                           "FLOAT", "LIST", "WIDGET", "BUTTON"};
    static const PAR_TYPE values[] = {PT_COMPOSIT, PT_BOOL, PT_TEXT, PT_INT,
                                      PT_FLOAT, PT_LIST, PT_WIDGET, PT_BUTTON};
    return matchKeyword(text, keywords, values);
}

DALParamDef::PAR_GROUP DALParamDef::getGroup(QString const &text)
{
    static const char *const keywords[] = {"MAINRFPARAMETERS", "CONTTX", "CONTRX",
                                           "PACKETTX", "PACKETRX", "PACKETVIEW"};
    static const PAR_GROUP values[] = {PG_MAINRFPARAMETERS, PG_CONTTX, PG_CONTRX,
                                       PG_PACKETTX, PG_PACKETRX, PG_PACKETVIEW};
    return matchKeyword(text, keywords, values);
}

DALParamDef::PAR_DEP_TYPE DALParamDef::getDepType(QString const &text)
{
    static const char *const keywords[] = {"DT_EQUAL", "DT_CODE", "DT_MAP"};
    static const PAR_DEP_TYPE values[] = {DT_EQUAL, DT_CODE, DT_MAP};
    return matchKeyword(text, keywords, values);
}

DALParamDef::PAR_VAL_TYPE DALParamDef::getValidationType(QString const &text)
{
    static const char *const keywords[] = {"MINMAX", "CODE"};
    static const PAR_VAL_TYPE values[] = {VT_MINMAX, VT_CODE};
    return matchKeyword(text, keywords, values);
}
