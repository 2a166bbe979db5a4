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

// The text being rewritten: unchanged parts are copied in one piece when the
// next reference is written, so that a document without any costs one scan.
class Writer
{
public:
    explicit Writer(QString const &text) : m_text(text) {}

    // Writes text[at] as its reference.
    void escape(int at)
    {
        if (m_out.isEmpty())
            m_out.reserve(m_text.size() + m_text.size() / 16);
        m_out += QStringView(m_text).mid(m_copied, at - m_copied);
        m_out += reference(m_text.at(at));
        m_copied = at + 1;
    }

    // Escapes the characters of text[from, to) that select() selects.
    template <typename Select>
    void scan(int from, int to, Select select)
    {
        for (int i = from; i < to; ++i) {
            if (select(m_text.at(i)))
                escape(i);
        }
    }

    QString result()
    {
        if (m_copied == 0)
            return m_text;
        m_out += QStringView(m_text).mid(m_copied);
        return m_out;
    }

private:
    QString const &m_text;
    QString m_out;
    int m_copied = 0;
};

int past(QString const &text, int from, QLatin1String token)
{
    const int at = text.indexOf(token, from);
    return at < 0 ? text.size() : at + token.size();
}

} // namespace

bool readsAsWritten(QString const &text)
{
    const QChar *begin = text.constData();
    const QChar *end = begin + text.size();
    for (const QChar *p = begin; p < end; ++p) {
        const ushort c = p->unicode();
        if (c > '\r' || (c != '\t' && c != '\n' && c != '\r'))
            continue;
        const QChar *before = p;
        while (before > begin && isSpace(before[-1]))
            --before;
        const QChar *after = p;
        while (after < end && isSpace(*after))
            ++after;
        if ((before > begin && before[-1] != QLatin1Char('>')) || (after < end && *after != QLatin1Char('<')))
            return false;
        p = after - 1; // the rest of this run is white space between markup too
    }
    return true;
}

QString keepAsWritten(QString const &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n')))
        return text;
    Writer out(text);
    int depth = 0;
    int i = 0;
    while (i < text.size()) {
        int markup = text.indexOf(QLatin1Char('<'), i);
        if (markup < 0)
            markup = text.size();
        // Text: inside the root element and not white space only.
        const bool keep = depth > 0 && std::any_of(text.constBegin() + i, text.constBegin() + markup,
                                                   [](QChar c) { return !isSpace(c); });
        out.scan(i, markup, [keep](QChar c) { return keep && c == QLatin1Char('\r'); });
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
            out.scan(markup, end, [&inValue](QChar c) {
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
        i = end;
    }
    return out.result();
}

} // namespace DALXmlWhitespace
