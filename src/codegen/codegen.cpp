#include "DALCodeGen.h"
#include "DALCommon.h"
#include "documentcopy_p.h"
#include "documentread_p.h"
#include "domutil_p.h"
#include "report_p.h"

#include <QDomDocument>

namespace {
constexpr char kCodeGenFile[] = "/codegen.xml";
}

DALCodeGen &DALCodeGen::Instance(QString &dir)
{
    // Initialisation of a local static runs once, even when several threads
    // make the first call at the same time. The instance lives until exit.
    static DALCodeGen instance(dir);
    return instance;
}

DALCodeGen::DALCodeGen(QString &dir)
    : m_pDocument(nullptr)
    , m_status(0)
{
    m_status = DALCommon::openDomDocument(dir.toLower() + QLatin1String(kCodeGenFile), QStringLiteral("CodeGen"),
                                          &m_pDocument, true);
    if (m_status == 0) {
        DocumentRead reading(*m_pDocument);
        createCommands();
        if (reading.exhausted()) {
            m_commands.clear();
            m_status = 2;
        }
        DALDocumentCopy::release(&m_pDocument);
    }
}

DALCodeGen::DALCodeGen(DALCodeGen const &other)
    : m_pDocument(DALDocumentCopy::duplicate(other.m_pDocument))
    , m_status(other.m_status)
    , m_commands(other.m_commands)
{
}

DALCodeGen &DALCodeGen::operator=(DALCodeGen const &other)
{
    if (this != &other) {
        DALDocumentCopy::assign(&m_pDocument, other.m_pDocument);
        m_status = other.m_status;
        m_commands = other.m_commands;
    }
    return *this;
}

DALCodeGen::~DALCodeGen()
{
    delete m_pDocument;
}

QString DALCodeGen::getCommandFieldComment(QString command, QString field)
{
    for (const Command &candidate : qAsConst(m_commands)) {
        if (candidate.name != command)
            continue;
        for (const Field &entry : candidate.fields) {
            if (entry.name == field)
                return entry.comment;
        }
    }
    return QString();
}

void DALCodeGen::createCommands()
{
    const QDomNodeList nodes = DALDom::elements(*m_pDocument, QStringLiteral("Command"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomNode node = DALDom::itemAt(nodes, i);
        Command command;
        if (node.isElement()) {
            QDomElement element = node.toElement();
            command.name = element.attribute(QStringLiteral("name"));
            createFields(element, command);
        }
        m_commands.append(command);
    }
}

void DALCodeGen::createFields(QDomElement &element, DALCodeGen::Command &command)
{
    const QDomNodeList nodes = DALDom::elements(element, QStringLiteral("Field"));
    for (int i = 0; i < nodes.count(); ++i) {
        const QDomNode node = DALDom::itemAt(nodes, i);
        Field field;
        if (node.isElement()) {
            const QDomElement fieldElement = node.toElement();
            if (!fieldElement.hasAttribute(QStringLiteral("name"))) {
                // The rest of this command's fields is skipped.
                DALReport::error(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"name\" attribute for \"Field\" element in %1")
                                        .arg(QLatin1String(kCodeGenFile)),
                                 fieldElement);
                return;
            }
            field.name = fieldElement.attribute(QStringLiteral("name"));
            field.comment = DALDom::firstChildValue(
                DALDom::firstElementByTagName(fieldElement, QStringLiteral("Comment")));
        }
        command.fields.append(field);
    }
}
