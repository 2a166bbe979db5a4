#include "report.h"

#include <QJsonArray>
#include <QJsonObject>

Report::Report(QString const &text) : m_kind(Text), m_text(text) {}
Report::Report(char const *text) : m_kind(Text), m_text(QString::fromUtf8(text)) {}
Report::Report(qint64 value) : m_kind(Integer), m_integer(value) {}
Report::Report(int value) : m_kind(Integer), m_integer(value) {}
Report::Report(uint value) : m_kind(Integer), m_integer(value) {}
Report::Report(double value) : m_kind(Real), m_real(value) {}
Report::Report(bool value) : m_kind(Boolean), m_boolean(value) {}

Report Report::list()
{
    Report r;
    r.m_kind = List;
    return r;
}

Report Report::object()
{
    Report r;
    r.m_kind = Object;
    return r;
}

Report &Report::append(Report const &item)
{
    m_items.append(item);
    return *this;
}

Report &Report::insert(QString const &key, Report const &value)
{
    const int at = m_keys.indexOf(key);
    if (at >= 0) {
        m_items[at] = value;
    } else {
        m_keys.append(key);
        m_items.append(value);
    }
    return *this;
}

QString Report::scalarText() const
{
    switch (m_kind) {
    case Text: return m_text;
    case Integer: return QString::number(m_integer);
    case Real: return QString::number(m_real, 'g', 10);
    case Boolean: return m_boolean ? QStringLiteral("true") : QStringLiteral("false");
    case Null: return QStringLiteral("-");
    default: return QString();
    }
}

QJsonValue Report::toJson() const
{
    switch (m_kind) {
    case Null: return QJsonValue(QJsonValue::Null);
    case Text: return m_text;
    case Integer: return m_integer;
    case Real: return m_real;
    case Boolean: return m_boolean;
    case List: {
        QJsonArray array;
        for (const Report &item : m_items)
            array.append(item.toJson());
        return array;
    }
    case Object: {
        QJsonObject object;
        for (int i = 0; i < m_keys.size(); ++i)
            object.insert(m_keys.at(i), m_items.at(i).toJson());
        return object;
    }
    }
    return QJsonValue();
}

// Text layout: "key: value" for scalars, "key:" followed by the indented
// children for lists and objects, "- " in front of each list item; an object
// inside a list starts on the item's own line.
void Report::writeText(QTextStream &out, int indent) const
{
    if (!isComposite()) {
        out << QString(indent, QLatin1Char(' ')) << scalarText() << '\n';
        return;
    }
    writeItems(out, indent, QString());
}

void Report::writeItems(QTextStream &out, int indent, QString firstLead) const
{
    const QString pad(indent, QLatin1Char(' '));
    for (int i = 0; i < m_items.size(); ++i) {
        const Report &item = m_items.at(i);
        QString lead = m_kind == Object ? m_keys.at(i) + QLatin1Char(':') : QStringLiteral("-");
        lead = (i == 0 && !firstLead.isNull() ? firstLead : pad) + lead;
        if (!item.isComposite()) {
            out << lead << ' ' << item.scalarText() << '\n';
        } else if (item.m_items.isEmpty()) {
            out << lead << (item.m_kind == List ? " (none)" : " {}") << '\n';
        } else if (m_kind == List && item.m_kind == Object) {
            item.writeItems(out, indent + 2, lead + QLatin1Char(' '));
        } else {
            out << lead << '\n';
            item.writeItems(out, indent + 2, QString());
        }
    }
}
