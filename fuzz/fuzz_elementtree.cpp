// Any document the element tree reads without a DOM must be one Qt's DOM
// parser accepts, and both must give the same elements, attributes, texts
// and positions: the tree stands in for the DOM in the readers.
#include "elementtree_p.h"
#include "xmlwhitespace_p.h"

#include <QDomDocument>

#include <cstdlib>

namespace {

QList<QPair<int, int>> positions(DALElementTree const &tree)
{
    QList<QPair<int, int>> all;
    for (const DALTreeElement &element : tree.document().elementsByTagName(QStringLiteral("*")))
        all.append({element.lineNumber(), element.columnNumber()});
    return all;
}

// Both place an element at its ">" or at the "/" before it.
bool samePlace(QString const &text, QPair<int, int> const &a, QPair<int, int> const &b)
{
    if (a == b)
        return true;
    if (a.first != b.first || std::abs(a.second - b.second) != 1)
        return false;
    int offset = 0;
    for (int line = 1; line < a.first; ++line)
        offset = text.indexOf(QLatin1Char('\n'), offset) + 1;
    const int at = offset + std::min(a.second, b.second) - 1;
    return at >= 0 && at < text.size() && text.at(at) == QLatin1Char('/');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<char const *>(data), static_cast<int>(size));
    DALElementTree plain;
    if (!DALXmlWhitespace::readsAsWritten(text) || !plain.readPlain(text))
        return 0;
    QDomDocument document;
    if (!document.setContent(text, false))
        std::abort(); // read without a DOM, refused by the DOM parser
    DALElementTree fromDom;
    fromDom.fromDocument(document);
    if (plain.describe() != fromDom.describe())
        std::abort();
    const auto streamed = positions(plain);
    const auto parsed = positions(fromDom);
    for (int i = 0; i < streamed.size(); ++i) {
        if (!samePlace(text, streamed.at(i), parsed.at(i)))
            std::abort();
    }
    return 0;
}
