#pragma once
// List tags. Flat lists "( 1 2 3 )" (or comma separated), lists of sublists
// "( (0 1) (5 2) )", lists given repeatedly, named sublists and the special
// kinds built on them. Items of numeric lists obey the valid and reasonable
// ranges like single numbers.
#include <string>
#include <utility>
#include <vector>

#include "input/schema/InputRange.h"
#include "input/schema/InputTag.h"

namespace FLUMparse {

enum class ListSyntax { WhiteSpace, Comma };

// Range declarations shared by the numeric list kinds.
template <class Derived>
class InputTagListBase : public InputTagT<Derived> {
public:
    using InputTagT<Derived>::InputTagT;
    std::string rangeText() const override { return valid().text(); }
    Derived& setMin(double v, bool inclusive = true) { this->checkSchemaChange(); valid_.lower = InputBound{v, inclusive}; return self(); }
    Derived& setMax(double v, bool inclusive = true) { this->checkSchemaChange(); valid_.upper = InputBound{v, inclusive}; return self(); }
    Derived& setRange(double lo, double hi) { setMin(lo); return setMax(hi); }
    Derived& setReasonableMin(double v, bool inclusive = true) { this->checkSchemaChange(); reasonable_.lower = InputBound{v, inclusive}; return self(); }
    Derived& setReasonableMax(double v, bool inclusive = true) { this->checkSchemaChange(); reasonable_.upper = InputBound{v, inclusive}; return self(); }
    // Exactly n items (sublists for the nested kinds), or at most n.
    Derived& setCount(int n) { this->checkSchemaChange(); count_ = n; return self(); }
    Derived& setMaxCount(int n) { this->checkSchemaChange(); maxCount_ = n; return self(); }
    const InputRange& valid() const { return static_cast<const InputTagListBase&>(this->master()).valid_; }
    const InputRange& reasonable() const { return static_cast<const InputTagListBase&>(this->master()).reasonable_; }
    int count() const { return static_cast<const InputTagListBase&>(this->master()).count_; }
    int maxCount() const { return static_cast<const InputTagListBase&>(this->master()).maxCount_; }

protected:
    // "Expected 3 items in list  '...' but found 2" or the "Expected up to" form.
    bool checkCount(size_t found, const std::string& text, std::string& message) const {
        const int n = count() >= 0 ? count() : maxCount();
        if (n < 0) return true;
        if (count() >= 0 ? found == static_cast<size_t>(n) : found <= static_cast<size_t>(n)) return true;
        message = std::string(count() >= 0 ? "Expected " : "Expected up to ") + std::to_string(n) +
                  (n == 1 ? " item" : " items") + " in list  '" + text + "' but found " + std::to_string(found);
        return false;
    }
    void checkItem(double v) {
        const std::string t = formatNumber(v);
        if (!valid().contains(v))
            this->addError("Value '" + t + "' is not in range " + valid().plainText());
        else if (!reasonable().contains(v))
            this->addWarning("Value '" + t + "' is not in the reasonable range " + reasonable().plainText());
    }

private:
    Derived& self() { return static_cast<Derived&>(*this); }
    InputRange valid_;
    InputRange reasonable_;
    int count_ = -1;
    int maxCount_ = -1;
};

template <class T>
class InputTagList final : public InputTagListBase<InputTagList<T>> {
public:
    InputTagList(std::string name, std::string description, ListSyntax syntax = ListSyntax::WhiteSpace)
        : InputTagListBase<InputTagList<T>>(std::move(name), std::move(description)), syntax_(syntax) {}
    std::string typeName() const override;
    void validate() override;
    const std::vector<T>& value() const { this->requireValue(); return values_; }
    // String lists: every item must be one of words, alone or wrapped as
    // wrapper[word] (e.g. max[depth]); validation lists the valid words.
    InputTagList& setItemWords(std::vector<std::string> words, std::vector<std::string> wrappers = {}) {
        this->checkSchemaChange();
        itemWords_ = std::move(words);
        itemWrappers_ = std::move(wrappers);
        return *this;
    }
    const std::vector<std::string>& itemWords() const { return static_cast<const InputTagList&>(this->master()).itemWords_; }
    std::string rangeText() const override;
    std::vector<int> asIntList() const override;
    std::vector<double> asDoubleList() const override;
    std::vector<std::string> asStringList() const override;

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    ListSyntax syntax_;
    std::vector<T> values_;
    std::vector<std::string> itemWords_, itemWrappers_;  // master only
};

// "( (1 2) (3 4 5) )": one value holding sublists (items separated by blanks or commas).
template <class T>
class InputTagListOfList final : public InputTagListBase<InputTagListOfList<T>> {
public:
    using InputTagListBase<InputTagListOfList<T>>::InputTagListBase;
    std::string typeName() const override;
    void validate() override;
    // Every sublist must have exactly n items.
    InputTagListOfList& setSublistSize(int n) { this->checkSchemaChange(); sublistSize_ = n; return *this; }
    const std::vector<std::vector<T>>& value() const { this->requireValue(); return values_; }
    std::vector<std::vector<int>> asIntListList() const override;
    std::vector<std::vector<double>> asDoubleListList() const override;

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    int sublistSize_ = -1;
    std::vector<std::vector<T>> values_;
};

// A whitespace list that may be given several times; each value is one list.
template <class T>
class InputTagMultiple final : public InputTagListBase<InputTagMultiple<T>> {
public:
    InputTagMultiple(std::string name, std::string description)
        : InputTagListBase<InputTagMultiple<T>>(std::move(name), std::move(description)) {
        InputTag::setRepeatable(true);
    }
    std::string typeName() const override;
    void validate() override;
    const std::vector<std::vector<T>>& value() const { return values_; }
    std::vector<std::vector<int>> asIntListList() const override;
    std::vector<std::vector<double>> asDoubleListList() const override;

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    std::vector<std::vector<T>> values_;
};

// "( kp (1.0 0.5 0.1) gate2 (2 0 0) )": names, each followed by a sublist.
template <class T>
class InputTagTaggedList final : public InputTagListBase<InputTagTaggedList<T>> {
public:
    using InputTagListBase<InputTagTaggedList<T>>::InputTagListBase;
    std::string typeName() const override;
    void validate() override;
    const std::vector<std::pair<std::string, std::vector<T>>>& value() const { this->requireValue(); return values_; }
    std::vector<std::vector<double>> asDoubleListList() const override;
    std::vector<std::string> asStringList() const override;  // the names

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    std::vector<std::pair<std::string, std::vector<T>>> values_;
};

// Node coordinates: sublists of `dimension` reals, "( (0 12.1) (5 10.3) )" or "((0,12.1),(5,10.3))".
class InputTagNodeCoordList final : public InputTagListBase<InputTagNodeCoordList> {
public:
    InputTagNodeCoordList(std::string name, std::string description, int dimension = 2)
        : InputTagListBase(std::move(name), std::move(description)), dimension_(dimension) {}
    std::string typeName() const override { return "list of node coordinates"; }
    int dimension() const { return dimension_; }
    // All coordinates in one array, node after node (dimension() values each).
    const std::vector<double>& value() const { requireValue(); return values_; }
    std::vector<std::vector<double>> asDoubleListList() const override;

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    int dimension_;
    std::vector<double> values_;
};

// A whitespace list of output quantities, each one of the known names.
class InputTagSpecialOutputValueList final : public InputTagListBase<InputTagSpecialOutputValueList> {
public:
    InputTagSpecialOutputValueList(std::string name, std::string description, std::vector<std::string> known)
        : InputTagListBase(std::move(name), std::move(description)), known_(std::move(known)) {}
    std::string typeName() const override { return "list of output values"; }
    const std::vector<std::string>& knownValues() const { return known_; }
    const std::vector<std::string>& value() const { requireValue(); return values_; }
    std::vector<std::string> asStringList() const override { return value(); }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { values_.clear(); }

private:
    std::vector<std::string> known_;
    std::vector<std::string> values_;
};

extern template class InputTagList<int>;
extern template class InputTagList<double>;
extern template class InputTagList<std::string>;
extern template class InputTagListOfList<int>;
extern template class InputTagListOfList<double>;
extern template class InputTagMultiple<int>;
extern template class InputTagMultiple<double>;
extern template class InputTagTaggedList<double>;

}  // namespace FLUMparse
