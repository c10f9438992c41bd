#pragma once
// Lists inside tag values: "( a b c )" (whitespace separated) or "(a, b, c)"
// (comma separated), and the nested forms "( (1 2) (3 4) )" and
// "( name (1 2 3) name2 (4 5 6) )". Failures throw ListError with the text the
// tag reports.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace FLUMparse {

class ListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A nested list, flat: top-level words and sublists in order, the sublists'
// items in one array. Views point into the parsed text.
struct NestedList {
    struct Entry {
        std::string_view word;  // empty for a sublist
        size_t first = 0;       // sublist items: items[first .. first + count)
        size_t count = 0;
        bool isSublist = false;
    };
    std::vector<Entry> entries;
    std::vector<std::string_view> items;
};

class ListParser {
public:
    void setAllowSublists(bool on) { allowSublists_ = on; }
    virtual ~ListParser() = default;
    // Balance, outer parentheses and, for flat lists, no inner parentheses.
    virtual void checkSyntax(std::string_view text) const;
    // Phrase for the reference pages, e.g. "whitespace separated list of reals".
    virtual std::string description() const = 0;

    // Splits "( w (a b) (c, d) )" into words and sublists; sublists may not nest
    // further. Items inside sublists are separated by blanks or commas.
    static NestedList splitNested(std::string_view text);
    // Separator-split items of a flat list body (parentheses already checked).
    static std::vector<std::string_view> splitWhiteSpace(std::string_view text);
    static std::vector<std::string_view> splitComma(std::string_view text);

protected:
    bool allowSublists_ = false;
};

// Item conversion with the recogniser of each type.
template <class T>
struct ListItem {
    static T convert(std::string_view item, size_t index);
    static const char* typeName();
};

template <> int ListItem<int>::convert(std::string_view, size_t);
template <> const char* ListItem<int>::typeName();
template <> double ListItem<double>::convert(std::string_view, size_t);
template <> const char* ListItem<double>::typeName();
template <> std::string ListItem<std::string>::convert(std::string_view, size_t);
template <> const char* ListItem<std::string>::typeName();

template <class T>
class TypedListParser : public ListParser {
public:
    virtual std::vector<T> parse(std::string_view text) const = 0;
};

template <class T>
class WhiteSpaceListParser final : public TypedListParser<T> {
public:
    std::vector<T> parse(std::string_view text) const override;
    std::string description() const override;
};

template <class T>
class CommaListParser final : public TypedListParser<T> {
public:
    std::vector<T> parse(std::string_view text) const override;
    std::string description() const override;
};

extern template class WhiteSpaceListParser<int>;
extern template class WhiteSpaceListParser<double>;
extern template class WhiteSpaceListParser<std::string>;
extern template class CommaListParser<int>;
extern template class CommaListParser<double>;
extern template class CommaListParser<std::string>;

}  // namespace FLUMparse
