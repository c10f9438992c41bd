#include "input/schema/InputTagList.h"

#include <algorithm>
#include <type_traits>

#include "input/syntax/ListParser.h"

namespace FLUMparse {

namespace {

// Items of one sublist; numbered through the whole list in messages.
template <class T>
std::vector<T> convertItems(const NestedList& list, const NestedList::Entry& e) {
    std::vector<T> out;
    out.reserve(e.count);
    for (size_t k = e.first; k < e.first + e.count; ++k) out.push_back(ListItem<T>::convert(list.items[k], k + 1));
    return out;
}

template <class To, class From>
std::vector<To> castList(const std::vector<From>& v) {
    return std::vector<To>(v.begin(), v.end());
}

}  // namespace

// ---- InputTagList ----

template <class T>
std::string InputTagList<T>::typeName() const {
    return std::string("list of ") + ListItem<T>::typeName();
}

template <class T>
bool InputTagList<T>::interpret(const std::string& text, std::string& message) {
    try {
        if (syntax_ == ListSyntax::Comma)
            values_ = CommaListParser<T>().parse(text);
        else
            values_ = WhiteSpaceListParser<T>().parse(text);
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    return this->checkCount(values_.size(), text, message);
}

template <class T>
void InputTagList<T>::validate() {
    if constexpr (std::is_arithmetic_v<T>) {
        if (!this->isSet() || (this->valid().empty() && this->reasonable().empty())) return;
        for (T v : values_) this->checkItem(static_cast<double>(v));
    } else {
        const auto& m = static_cast<const InputTagList&>(this->master());
        if (!this->isSet() || m.itemWords_.empty()) return;
        auto known = [&](const std::string& w) {
            return std::find(m.itemWords_.begin(), m.itemWords_.end(), w) != m.itemWords_.end();
        };
        for (const std::string& item : values_) {
            bool ok = known(item);
            for (const std::string& wrap : m.itemWrappers_)
                if (!ok && item.size() > wrap.size() + 2 && item.starts_with(wrap + "[") && item.back() == ']')
                    ok = known(item.substr(wrap.size() + 1, item.size() - wrap.size() - 2));
            if (!ok) this->addError("Expression '" + item + "' is not a valid item of tag '" + this->name() + "'. " + rangeText());
        }
    }
}

template <class T>
std::string InputTagList<T>::rangeText() const {
    if constexpr (std::is_arithmetic_v<T>) {
        return this->valid().text();
    } else {
        const auto& m = static_cast<const InputTagList&>(this->master());
        if (m.itemWords_.empty()) return "";
        std::string text = "Allowed items are " + joinNames(m.itemWords_);
        if (!m.itemWrappers_.empty()) {
            std::vector<std::string> forms;
            for (const std::string& w : m.itemWrappers_) forms.push_back(w + "[...]");
            text += ", also as " + joinNames(forms);
        }
        return text;
    }
}

template <class T>
std::vector<int> InputTagList<T>::asIntList() const {
    if constexpr (std::is_same_v<T, int>) return value();
    else this->wrongType("list of integers");
}

template <class T>
std::vector<double> InputTagList<T>::asDoubleList() const {
    if constexpr (std::is_arithmetic_v<T>) return castList<double>(value());
    else this->wrongType("list of reals");
}

template <class T>
std::vector<std::string> InputTagList<T>::asStringList() const {
    if constexpr (std::is_same_v<T, std::string>) return value();
    else this->wrongType("list of strings");
}

// ---- InputTagListOfList ----

template <class T>
std::string InputTagListOfList<T>::typeName() const {
    return std::string("list of lists of ") + ListItem<T>::typeName();
}

template <class T>
bool InputTagListOfList<T>::interpret(const std::string& text, std::string& message) {
    values_.clear();
    try {
        const NestedList list = ListParser::splitNested(text);
        const auto& parts = list.entries;
        for (size_t k = 0; k < parts.size(); ++k) {
            if (!parts[k].isSublist) throw ListError("List and sublists must start with '(' and end with ')'");
            if (sublistSize_ >= 0 && parts[k].count != static_cast<size_t>(sublistSize_))
                throw ListError("Sublist nr. " + std::to_string(k + 1) + " has " + std::to_string(parts[k].count) +
                                " items but " + std::to_string(sublistSize_) + " are expected");
            values_.push_back(convertItems<T>(list, parts[k]));
        }
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    return this->checkCount(values_.size(), text, message);
}

template <class T>
void InputTagListOfList<T>::validate() {
    if (!this->isSet() || (this->valid().empty() && this->reasonable().empty())) return;
    for (const auto& l : values_)
        for (T v : l) this->checkItem(static_cast<double>(v));
}

template <class T>
std::vector<std::vector<int>> InputTagListOfList<T>::asIntListList() const {
    if constexpr (std::is_same_v<T, int>) return value();
    else this->wrongType("list of lists of integers");
}

template <class T>
std::vector<std::vector<double>> InputTagListOfList<T>::asDoubleListList() const {
    std::vector<std::vector<double>> out;
    for (const auto& l : value()) out.push_back(castList<double>(l));
    return out;
}

// ---- InputTagMultiple ----

template <class T>
std::string InputTagMultiple<T>::typeName() const {
    return std::string("multiple list of ") + ListItem<T>::typeName();
}

template <class T>
bool InputTagMultiple<T>::interpret(const std::string& text, std::string& message) {
    try {
        auto list = WhiteSpaceListParser<T>().parse(text);
        if (!this->checkCount(list.size(), text, message)) return false;
        values_.push_back(std::move(list));
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    return true;
}

template <class T>
void InputTagMultiple<T>::validate() {
    if (this->valid().empty() && this->reasonable().empty()) return;
    for (const auto& l : values_)
        for (T v : l) this->checkItem(static_cast<double>(v));
}

template <class T>
std::vector<std::vector<int>> InputTagMultiple<T>::asIntListList() const {
    if constexpr (std::is_same_v<T, int>) return values_;
    else this->wrongType("multiple list of integers");
}

template <class T>
std::vector<std::vector<double>> InputTagMultiple<T>::asDoubleListList() const {
    std::vector<std::vector<double>> out;
    for (const auto& l : values_) out.push_back(castList<double>(l));
    return out;
}

// ---- InputTagTaggedList ----

template <class T>
std::string InputTagTaggedList<T>::typeName() const {
    return std::string("tagged list of ") + ListItem<T>::typeName();
}

template <class T>
bool InputTagTaggedList<T>::interpret(const std::string& text, std::string& message) {
    values_.clear();
    try {
        const NestedList list = ListParser::splitNested(text);
        const auto& parts = list.entries;
        for (size_t k = 0; k < parts.size(); ++k) {
            if (parts[k].isSublist || k + 1 >= parts.size() || !parts[k + 1].isSublist)
                throw ListError("A tagged list consists of names each followed by a sublist, e.g. "
                                "'( name1 ( 1 2 ) name2 ( 3 4 ) )'");
            values_.emplace_back(std::string(parts[k].word), convertItems<T>(list, parts[k + 1]));
            ++k;
        }
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    return this->checkCount(values_.size(), text, message);
}

template <class T>
void InputTagTaggedList<T>::validate() {
    if (!this->isSet() || (this->valid().empty() && this->reasonable().empty())) return;
    for (const auto& l : values_)
        for (T v : l.second) this->checkItem(static_cast<double>(v));
}

template <class T>
std::vector<std::vector<double>> InputTagTaggedList<T>::asDoubleListList() const {
    std::vector<std::vector<double>> out;
    for (const auto& l : value()) out.push_back(castList<double>(l.second));
    return out;
}

template <class T>
std::vector<std::string> InputTagTaggedList<T>::asStringList() const {
    std::vector<std::string> out;
    for (const auto& l : value()) out.push_back(l.first);
    return out;
}

// ---- node coordinates, output values ----

std::vector<std::vector<double>> InputTagNodeCoordList::asDoubleListList() const {
    const auto& flat = value();
    const size_t d = static_cast<size_t>(dimension_);
    std::vector<std::vector<double>> out(flat.size() / d);
    for (size_t i = 0; i < out.size(); ++i) out[i].assign(flat.begin() + i * d, flat.begin() + (i + 1) * d);
    return out;
}

bool InputTagNodeCoordList::interpret(const std::string& text, std::string& message) {
    values_.clear();
    try {
        const NestedList list = ListParser::splitNested(text);
        const auto& parts = list.entries;
        values_.reserve(list.items.size());
        for (size_t k = 0; k < parts.size(); ++k) {
            if (!parts[k].isSublist) throw ListError("List and sublists must start with '(' and end with ')'");
            if (parts[k].count != static_cast<size_t>(dimension_))
                throw ListError("Node coordinate nr. " + std::to_string(k + 1) + " has " +
                                std::to_string(parts[k].count) + " values but " + std::to_string(dimension_) +
                                " are expected");
            for (size_t j = parts[k].first; j < parts[k].first + parts[k].count; ++j)
                values_.push_back(ListItem<double>::convert(list.items[j], j + 1));
        }
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    return checkCount(values_.size() / static_cast<size_t>(dimension_), text, message);
}

bool InputTagSpecialOutputValueList::interpret(const std::string& text, std::string& message) {
    try {
        values_ = WhiteSpaceListParser<std::string>().parse(text);
    } catch (const ListError& e) {
        message = e.what();
        return false;
    }
    const auto& known = static_cast<const InputTagSpecialOutputValueList&>(master()).known_;
    for (size_t k = 0; k < values_.size(); ++k) {
        if (std::find(known.begin(), known.end(), values_[k]) == known.end()) {
            message = "List item nr. " + std::to_string(k + 1) + " is invalid: '" + values_[k] +
                      "' is not an output value. Valid values are " + joinNames(known);
            return false;
        }
    }
    return checkCount(values_.size(), text, message);
}

template class InputTagList<int>;
template class InputTagList<double>;
template class InputTagList<std::string>;
template class InputTagListOfList<int>;
template class InputTagListOfList<double>;
template class InputTagMultiple<int>;
template class InputTagMultiple<double>;
template class InputTagTaggedList<double>;

}  // namespace FLUMparse
