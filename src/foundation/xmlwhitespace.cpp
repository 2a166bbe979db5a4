#include "xmlwhitespace_p.h"

#include <algorithm>

namespace DALXmlWhitespace {

namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

QLatin1String reference(QChar c)
{
    return c == QLatin1Char('\t') ? QLatin1String("&#9;")
           : c == QLatin1Char('\n') ? QLatin1String("&#10;")
                                    : QLatin1String("&#13;");
}

// Appends text[from, to) to out, with the characters that escape() selects
// written as references.
template <typename Escape>
void copy(QString const &text, int from, int to, QString *out, Escape escape)
{
    for (int i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (escape(c))
            *out += reference(c);
        else
            *out += c;
    }
}

int past(QString const &text, int from, QLatin1String token)
{
    const int at = text.indexOf(token, from);
    return at < 0 ? text.size() : at + token.size();
}

} // namespace

QString keepAsWritten(QString const &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString out;
    out.reserve(text.size() + text.size() / 16);
    int depth = 0;
    int i = 0;
    while (i < text.size()) {
        int markup = text.indexOf(QLatin1Char('<'), i);
        if (markup < 0)
            markup = text.size();
        // Text: inside the root element and not white space only.
        const bool keep = depth > 0 && std::any_of(text.constBegin() + i, text.constBegin() + markup,
                                                   [](QChar c) { return !isSpace(c); });
        copy(text, i, markup, &out, [keep](QChar c) { return keep && c == QLatin1Char('\r'); });
        if (markup >= text.size())
            break;
        int end;
        const QStringView rest = QStringView(text).mid(markup);
        if (rest.startsWith(QLatin1String("<!--"))) {
            end = past(text, markup + 4, QLatin1String("-->"));
        } else if (rest.startsWith(QLatin1String("<![CDATA["))) {
            end = past(text, markup, QLatin1String("]]>"));
        } else if (rest.startsWith(QLatin1String("<?")) || rest.startsWith(QLatin1String("<!"))) {
            // Declarations hold no attribute values that reach a record.
            end = past(text, markup, QLatin1String(">"));
        } else {
            // A tag: quoted values are attribute values.
            QChar quote;
            end = markup + 1;
            for (; end < text.size(); ++end) {
                const QChar c = text.at(end);
                if (!quote.isNull()) {
                    if (c == quote)
                        quote = QChar();
                } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                    quote = c;
                } else if (c == QLatin1Char('>')) {
                    ++end;
                    break;
                }
            }
            const bool closing = rest.startsWith(QLatin1String("</"));
            const bool empty = end >= 2 && text.at(end - 2) == QLatin1Char('/');
            depth += closing ? -1 : empty ? 0 : 1;
            QChar inValue;
            copy(text, markup, end, &out, [&inValue](QChar c) {
                if (!inValue.isNull()) {
                    if (c == inValue) {
                        inValue = QChar();
                        return false;
                    }
                    return c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
                }
                if (c == QLatin1Char('"') || c == QLatin1Char('\''))
                    inValue = c;
                return false;
            });
            i = end;
            continue;
        }
        out += QStringView(text).mid(markup, end - markup);
        i = end;
    }
    return out;
}

} // namespace DALXmlWhitespace
