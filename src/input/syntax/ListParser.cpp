#include "input/syntax/ListParser.h"

#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

namespace {
bool isSeparatorBlank(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }
}  // namespace

void ListParser::checkSyntax(std::string_view text) const {
    long open = 0;
    long close = 0;
    for (char c : text) {
        if (c == '(') ++open;
        if (c == ')') ++close;
    }
    if (open > close)
        throw ListError("Invalid list syntax: List is invalid as it contains " + std::to_string(open - close) +
                        " more '(' than ')' braces");
    if (close > open)
        throw ListError("Invalid list syntax: List is invalid as it contains " + std::to_string(close - open) +
                        " more ')' than '(' braces");
    if (text.size() < 2 || text.front() != '(' || text.back() != ')')
        throw ListError("List and sublists must start with '(' and end with ')'");
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '(') {
            ++depth;
            if (depth > 1 && !allowSublists_)
                throw ListError("Further braces found in list of depth " + std::to_string(depth) +
                                " within expression '" + std::string(text) + "'");
        } else if (c == ')') {
            --depth;
            if (depth == 0 && i + 1 != text.size())
                throw ListError("List and sublists must start with '(' and end with ')'");
        }
    }
}

std::vector<std::string_view> ListParser::splitWhiteSpace(std::string_view text) {
    std::vector<std::string_view> out;
    if (text.size() <= 2) return out;
    const std::string_view body = text.substr(1, text.size() - 2);
    size_t i = 0;
    while (i < body.size()) {
        while (i < body.size() && isSeparatorBlank(body[i])) ++i;
        const size_t b = i;
        while (i < body.size() && !isSeparatorBlank(body[i])) ++i;
        if (i > b) out.push_back(body.substr(b, i - b));
    }
    return out;
}

std::vector<std::string_view> ListParser::splitComma(std::string_view text) {
    std::vector<std::string_view> out;
    size_t i = 0;
    while (i < text.size()) {
        const size_t b = i;
        while (i < text.size() && text[i] != '(' && text[i] != ')' && text[i] != ',') ++i;
        size_t s = b;
        size_t e = i;
        while (s < e && isSeparatorBlank(text[s])) ++s;
        while (e > s && isSeparatorBlank(text[e - 1])) --e;
        if (e > s) out.push_back(text.substr(s, e - s));
        ++i;
    }
    return out;
}

NestedList ListParser::splitNested(std::string_view text) {
    long open = 0;
    long close = 0;
    for (char c : text) {
        if (c == '(') ++open;
        if (c == ')') ++close;
    }
    if (open != close)
        throw ListError("Invalid list syntax: List is invalid as it contains " +
                        std::to_string(open > close ? open - close : close - open) +
                        (open > close ? " more '(' than ')' braces" : " more ')' than '(' braces"));
    if (text.size() < 2 || text.front() != '(' || text.back() != ')')
        throw ListError("List and sublists must start with '(' and end with ')'");
    NestedList out;
    out.entries.reserve(static_cast<size_t>(open));
    out.items.reserve(static_cast<size_t>(open) * 2);
    const std::string_view body = text.substr(1, text.size() - 2);
    const size_t n = body.size();
    size_t i = 0;
    auto sep = [](char c) { return c == ' ' || c == ',' || c == '\n' || c == '\r' || c == '\t'; };
    auto wordEnd = [&](size_t k) {
        while (k < n && !sep(body[k]) && body[k] != '(' && body[k] != ')') ++k;
        return k;
    };
    while (i < n) {
        while (i < n && sep(body[i])) ++i;
        if (i >= n) break;
        if (body[i] == ')') throw ListError("List and sublists must start with '(' and end with ')'");
        NestedList::Entry e;
        if (body[i] == '(') {
            e.isSublist = true;
            e.first = out.items.size();
            ++i;
            while (true) {
                while (i < n && sep(body[i])) ++i;
                if (i >= n) throw ListError("List and sublists must start with '(' and end with ')'");
                if (body[i] == ')') {
                    ++i;
                    break;
                }
                if (body[i] == '(')
                    throw ListError("Further braces found in list of depth 3 within expression '" +
                                    std::string(text) + "'");
                const size_t b = i;
                i = wordEnd(i);
                out.items.push_back(body.substr(b, i - b));
            }
            e.count = out.items.size() - e.first;
        } else {
            const size_t b = i;
            i = wordEnd(i);
            e.word = body.substr(b, i - b);
        }
        out.entries.push_back(e);
    }
    return out;
}

template <>
int ListItem<int>::convert(std::string_view item, size_t index) {
    std::string msg;
    int v = 0;
    if (!isValidInteger(item, msg))
        throw ListError("List item nr. " + std::to_string(index) + " is invalid: " + msg);
    if (!toInteger(item, v))
        throw ListError("List item nr. " + std::to_string(index) + " is invalid: Value '" + std::string(item) +
                        "' does not fit into an integer");
    return v;
}
template <>
const char* ListItem<int>::typeName() { return "integers"; }

template <>
double ListItem<double>::convert(std::string_view item, size_t index) {
    std::string msg;
    if (!isValidReal(item, msg)) throw ListError("List item nr. " + std::to_string(index) + " is invalid: " + msg);
    return toReal(item);
}
template <>
const char* ListItem<double>::typeName() { return "reals"; }

template <>
std::string ListItem<std::string>::convert(std::string_view item, size_t) { return std::string(item); }
template <>
const char* ListItem<std::string>::typeName() { return "strings"; }

template <class T>
std::vector<T> WhiteSpaceListParser<T>::parse(std::string_view text) const {
    this->checkSyntax(text);
    const auto parts = ListParser::splitWhiteSpace(text);
    std::vector<T> out;
    out.reserve(parts.size());
    for (size_t k = 0; k < parts.size(); ++k) out.push_back(ListItem<T>::convert(parts[k], k + 1));
    return out;
}

template <class T>
std::string WhiteSpaceListParser<T>::description() const {
    return std::string("whitespace separated list of ") + ListItem<T>::typeName();
}

template <class T>
std::vector<T> CommaListParser<T>::parse(std::string_view text) const {
    this->checkSyntax(text);
    const auto parts = ListParser::splitComma(text);
    std::vector<T> out;
    out.reserve(parts.size());
    for (size_t k = 0; k < parts.size(); ++k) out.push_back(ListItem<T>::convert(parts[k], k + 1));
    return out;
}

template <class T>
std::string CommaListParser<T>::description() const {
    return std::string("comma separated list of ") + ListItem<T>::typeName();
}

template class WhiteSpaceListParser<int>;
template class WhiteSpaceListParser<double>;
template class WhiteSpaceListParser<std::string>;
template class CommaListParser<int>;
template class CommaListParser<double>;
template class CommaListParser<std::string>;

}  // namespace FLUMparse
