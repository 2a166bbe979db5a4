#include "xmllimits.h"

#include <algorithm>
#include <cstring>

namespace DALXmlLimits {

namespace {

// Position just behind the first occurrence of token at or after from, or end.
const char *skipPast(const char *from, const char *end, const char *token)
{
    const size_t length = std::strlen(token);
    while (from < end) {
        const char *hit = static_cast<const char *>(std::memchr(from, token[0], end - from));
        if (!hit || hit + length > end)
            return end;
        if (std::memcmp(hit, token, length) == 0)
            return hit + length;
        from = hit + 1;
    }
    return end;
}

bool startsWith(const char *at, const char *end, const char *token)
{
    const size_t length = std::strlen(token);
    return static_cast<size_t>(end - at) >= length && std::memcmp(at, token, length) == 0;
}

} // namespace

QString checkNesting(QByteArray const &data, int *line)
{
    // Counts start and end tags; comments, CDATA sections, processing
    // instructions and declarations are skipped, quoted attribute values too.
    // Malformed markup only needs to keep the scan linear: the parser that
    // runs afterwards reports it.
    const char *const begin = data.constData();
    const char *const end = begin + data.size();
    const char *p = begin;
    int depth = 0;
    while (p < end) {
        p = static_cast<const char *>(std::memchr(p, '<', end - p));
        if (!p)
            break;
        ++p;
        if (p >= end)
            break;
        if (*p == '/') {
            --depth;
            continue;
        }
        if (*p == '?') {
            p = skipPast(p, end, "?>");
            continue;
        }
        if (*p == '!') {
            if (startsWith(p, end, "!--"))
                p = skipPast(p + 3, end, "-->");
            else if (startsWith(p, end, "![CDATA["))
                p = skipPast(p, end, "]]>");
            continue;
        }
        if (++depth > kMaxDepth) {
            *line = 1 + static_cast<int>(std::count(begin, p, '\n'));
            return QStringLiteral("Elements are nested deeper than %1 levels.").arg(kMaxDepth);
        }
        // Find the end of the start tag; "/>" closes an empty element.
        char quote = 0;
        for (; p < end; ++p) {
            if (quote) {
                if (*p == quote)
                    quote = 0;
            } else if (*p == '"' || *p == '\'') {
                quote = *p;
            } else if (*p == '>') {
                if (p[-1] == '/')
                    --depth;
                ++p;
                break;
            }
        }
    }
    return QString();
}

} // namespace DALXmlLimits
