// The child elements of a parameter that carry structure: Dependencies,
// Validation, ListValues (with Range expansion) and Option.

#include "DALParamDef.h"

#include "DALCommon.h"
#include "domutil_p.h"
#include "optionlist_p.h"
#include "report_p.h"

#include <QDomElement>
#include <QDomNodeList>
#include <QObject>

#include <cmath>

namespace {

// Upper bound of the entries one Range may give.
constexpr qint64 kMaxRangeEntries = 1000000;


QString childText(QDomElement const &element, const char *tag)
{
    return DALDom::text(element.firstChildElement(QLatin1String(tag)));
}

// Whether text holds a place marker that QString::arg would replace
// ("%" with an optional "L" and a digit).
bool hasPlaceMarker(QString const &text)
{
    for (int i = text.indexOf(QLatin1Char('%')); i >= 0; i = text.indexOf(QLatin1Char('%'), i + 1)) {
        int next = i + 1;
        if (next < text.size() && text.at(next) == QLatin1Char('L'))
            ++next;
        if (next < text.size() && text.at(next).digitValue() != -1)
            return true;
    }
    return false;
}

QString displayText(QString const &valueText, bool hasTemplate, QString const &templ)
{
    if (!hasTemplate)
        return valueText;
    return hasPlaceMarker(templ) ? templ.arg(valueText) : templ;
}

// A Begin or End text: a decimal number when it holds a ".", else an integer.
struct RangeBound
{
    bool decimal = false;
    qint64 integer = 0;
    double real = 0.0;

    bool read(QString const &text)
    {
        bool ok = false;
        decimal = text.contains(QLatin1Char('.'));
        if (decimal)
            real = text.toDouble(&ok);
        else
            integer = text.toInt(&ok, 10);
        return ok;
    }
};

} // namespace

int DALParamDef::handleDependencies(QDomElement const &element, ParamDefinition &parDef)
{
    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!node.isElement())
            continue;
        const QDomElement child = node.toElement();
        const QString tag = child.tagName();
        if (!tag.contains(QLatin1String("Dependency"))) {
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid tag used for the \"Dependencies\" element %1 in param_definition.xml")
                            .arg(tag),
                        child);
        }

        Dependency dependency;
        bool failed = false;
        if (child.hasAttribute(QStringLiteral("name"))) {
            dependency.name = child.attribute(QStringLiteral("name"));
        } else {
            DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"name\" attribute for element %1 in param_definition.xml").arg(tag), child);
            failed = true;
        }
        QDomElement e = child.firstChildElement(QStringLiteral("Type"));
        if (!e.isNull())
            dependency.type = getDepType(DALDom::text(e));
        e = child.firstChildElement(QStringLiteral("Group"));
        if (!e.isNull())
            dependency.group = getGroup(DALDom::text(e));
        e = child.firstChildElement(QStringLiteral("Parameter"));
        if (!e.isNull())
            dependency.parameter = DALDom::text(e);
        if (DALDom::hasChildElement(child, QStringLiteral("Map"))
            && handleListOfDependencyMappings(DALDom::elements(child, QStringLiteral("Map")), dependency) != 0) {
            failed = true;
        }

        parDef.dependencies.append(dependency);
        if (failed)
            return -1;
    }
    return 0;
}

int DALParamDef::handleListOfDependencyMappings(QDomNodeList const &maps, Dependency &dependency)
{
    int result = 0;
    for (int i = 0; i < maps.count(); ++i) {
        const QDomElement map = DALDom::itemAt(maps, i).toElement();
        const QString from = childText(map, "From");
        const QString to = childText(map, "To");
        if (!from.isEmpty() && !to.isEmpty())
            dependency.mapping.insert(from, to);
        else
            result = DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid \"Dependency mapping\" in param_definition.xml"), map);
    }
    return result;
}

int DALParamDef::handleValidation(QDomElement const &element, ParamDefinition &parDef)
{
    if (!element.hasAttribute(QStringLiteral("type")))
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"type\" attribute is missing for the \"Validation\" element in param_definition.xml."),
                    element);

    Validation validation;
    validation.type = getValidationType(element.attribute(QStringLiteral("type")));
    if (validation.type == VT_MINMAX) {
        const QDomElement min = element.firstChildElement(QStringLiteral("Min"));
        if (min.isNull())
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"Min\" value is missing from a \"Min-Max\" validation in param_definition.xml."),
                        element);
        validation.min = DALDom::text(min);
        const QDomElement max = element.firstChildElement(QStringLiteral("Max"));
        if (max.isNull())
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"Max\" value is missing from a \"Min-Max\" validation in param_definition.xml."),
                        element);
        validation.max = DALDom::text(max);
    } else if (validation.type == VT_CODE) {
        const QDomElement name = element.firstChildElement(QStringLiteral("Name"));
        if (name.isNull())
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"Name\" is missing from a \"Code\" validation in param_definition.xml."),
                        element);
        validation.name = DALDom::text(name);
    }
    parDef.validation = validation;
    return 0;
}

int DALParamDef::handleListValues(QDomElement const &element, ParamDefinition &parDef)
{
    if (element.hasAttribute(QStringLiteral("precision")))
        parDef.precision = element.attribute(QStringLiteral("precision")).toInt(); // 0 when not a number

    for (QDomNode node = element.firstChild(); !node.isNull(); node = node.nextSibling()) {
        if (!node.isElement())
            continue;
        const QDomElement child = node.toElement();
        const QString tag = child.tagName();
        if (tag.contains(QLatin1String("Value"))) {
            if (!child.hasAttribute(QStringLiteral("text")))
                return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Missing \"text\" attribute for element %1 in param_definition.xml").arg(tag),
                            child);
            parDef.listValues.append(ListValue{child.attribute(QStringLiteral("text")), DALDom::text(child)});
        } else if (tag.contains(QLatin1String("Range"))) {
            // A failed range has recorded its message; the other children are
            // still read and the walk drops the parameter afterwards.
            const QDomElement range = tag == QLatin1String("Range")
                                          ? child
                                          : element.firstChildElement(QStringLiteral("Range"));
            handleListRangeValues(range, parDef);
        } else {
            return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid tag used for the \"List\" element %1 in param_definition.xml").arg(tag),
                        child);
        }
    }
    return 0;
}

int DALParamDef::handleListRangeValues(QDomElement const &range, ParamDefinition &parDef)
{
    if (range.isNull())
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"Range\" tag was not recognized as an DOM Element in param_definition.xml."),
                    range);
    if (!range.hasAttribute(QStringLiteral("step")))
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"step\" attribute is missing for the \"Range\" element in param_definition.xml."),
                    range);
    bool ok = false;
    const int step = range.attribute(QStringLiteral("step")).toInt(&ok, 10);
    if (!ok)
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid \"step\" attribute in param_definition.xml. The data must be given as a numeric value."),
                    range, QStringLiteral("step"));
    if (step <= 0)
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid \"step\" attribute in param_definition.xml. The step must be greater than zero."),
                    range, QStringLiteral("step"));

    const QDomElement beginElement = range.firstChildElement(QStringLiteral("Begin"));
    if (beginElement.isNull())
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The child element \"Begin\" is missing from a \"Range\" element in param_definition.xml."),
                    range);
    RangeBound begin;
    if (!begin.read(DALDom::text(beginElement)))
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value given for the \"Begin\" element in param_definition.xml. The data must be given as a numeric value."),
                    beginElement);
    const bool hasTemplate = beginElement.hasAttribute(QStringLiteral("text"));
    const QString templ = beginElement.attribute(QStringLiteral("text"));

    const QDomElement endElement = range.firstChildElement(QStringLiteral("End"));
    if (endElement.isNull())
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The child element \"End\" is missing from a \"Range\" element in param_definition.xml."),
                    range);
    RangeBound end;
    if (!end.read(DALDom::text(endElement)))
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("Invalid value given for the \"End\" element in param_definition.xml. The data must be given as a numeric value."),
                    endElement);
    if (begin.decimal != end.decimal)
        return DALReport::fail(DALErrorCode::FileOpenFailed, QStringLiteral("The \"Begin\" and \"End\" elements of a \"Range\" element in param_definition.xml must both be integers or both be decimal numbers."),
                    range);

    const QString tooMany = QStringLiteral("The \"Range\" element in param_definition.xml gives more than %1 values.")
                                .arg(kMaxRangeEntries);
    if (!begin.decimal) {
        if (begin.integer > end.integer)
            return 0;
        // 64-bit arithmetic: the bounds are ints, so neither the count nor v overflows.
        if ((end.integer - begin.integer) / step + 1 > kMaxRangeEntries)
            return DALReport::fail(DALErrorCode::FileOpenFailed, tooMany, range);
        for (qint64 v = begin.integer; v <= end.integer; v += step) {
            const QString value = QString::number(v);
            parDef.listValues.append(ListValue{displayText(value, hasTemplate, templ), value});
        }
    } else {
        if (end.real < begin.real)
            return 0;
        const double span = (end.real - begin.real) / step;
        if (!std::isfinite(span) || span + 1 > double(kMaxRangeEntries))
            return DALReport::fail(DALErrorCode::FileOpenFailed, tooMany, range);
        for (double v = begin.real; v <= end.real;) {
            parDef.listValues.append(ListValue{displayText(QString::number(v, 'f', 5), hasTemplate, templ),
                                               QString::number(v, 'g', 6)});
            const double next = v + step;
            if (next == v) // the step is lost below the value's precision
                break;
            v = next;
        }
    }
    return 0;
}

int DALParamDef::createOptionList(QDomNodeList const &options, ParamDefinition *parDef)
{
    return DALOptionList::read(options, &parDef->options,
                               QObject::tr("The \"name\" attribute is missing for a parameter definition Option!"),
                               QObject::tr("The value is missing for the parameter definition Option \"%1\"!"));
}
