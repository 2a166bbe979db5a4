#ifndef DALINSPECT_REPORT_H
#define DALINSPECT_REPORT_H

#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QTextStream>

// An ordered tree of values that every command fills; rendered either as
// indented text or as JSON.
class Report
{
public:
    enum Kind { Null, Text, Integer, Real, Boolean, List, Object };

    Report() = default;
    Report(QString const &text);
    Report(char const *text);
    Report(qint64 value);
    Report(int value);
    Report(uint value);
    Report(double value);
    Report(bool value);

    static Report list();
    static Report object();

    Kind kind() const { return m_kind; }
    bool isComposite() const { return m_kind == List || m_kind == Object; }

    // List: appends an item. Object: sets key (keys keep insertion order).
    Report &append(Report const &item);
    Report &insert(QString const &key, Report const &value);

    QString scalarText() const;
    QJsonValue toJson() const;
    void writeText(QTextStream &out, int indent = 0) const;

private:
    void writeItems(QTextStream &out, int indent, QString firstLead) const;

    Kind m_kind = Null;
    QString m_text;
    qint64 m_integer = 0;
    double m_real = 0.0;
    bool m_boolean = false;
    QList<Report> m_items;
    QList<QString> m_keys;
};

#endif // DALINSPECT_REPORT_H
