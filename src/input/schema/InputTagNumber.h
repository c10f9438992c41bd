#pragma once
// Integer and real tags: the recognisers of the syntax layer, a valid range
// (error when violated) and a reasonable range (warning when violated).
#include <limits>

#include "input/schema/InputRange.h"
#include "input/schema/InputTag.h"

namespace FLUMparse {

template <class T>
class InputTagNumber final : public InputTagT<InputTagNumber<T>> {
public:
    InputTagNumber(std::string name, std::string description)
        : InputTagT<InputTagNumber<T>>(std::move(name), std::move(description)) {}

    std::string typeName() const override;
    std::string rangeText() const override { return range().text(); }
    void validate() override;
    int asInt() const override;
    double asDouble() const override;
    T value() const;

    // Bounds of the valid range (inclusive unless said otherwise).
    InputTagNumber& setMin(double v, bool inclusive = true);
    InputTagNumber& setMax(double v, bool inclusive = true);
    InputTagNumber& setRange(double lo, double hi) { return setMin(lo).setMax(hi); }
    InputTagNumber& setReasonableMin(double v, bool inclusive = true);
    InputTagNumber& setReasonableMax(double v, bool inclusive = true);
    const InputRange& range() const { return static_cast<const InputTagNumber&>(this->master()).valid_; }
    const InputRange& reasonableRange() const {
        return static_cast<const InputTagNumber&>(this->master()).reasonable_;
    }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { value_ = T(); }

private:
    InputRange valid_;
    InputRange reasonable_;
    T value_ = T();
};

// Shared by numeric tags and the items of numeric lists.
void checkNumberRanges(InputTag& tag, double value, const std::string& text, const InputRange& valid,
                       const InputRange& reasonable);

template <> std::string InputTagNumber<int>::typeName() const;
template <> std::string InputTagNumber<double>::typeName() const;
template <> bool InputTagNumber<int>::interpret(const std::string&, std::string&);
template <> bool InputTagNumber<double>::interpret(const std::string&, std::string&);
template <> int InputTagNumber<int>::asInt() const;
template <> int InputTagNumber<double>::asInt() const;

extern template class InputTagNumber<int>;
extern template class InputTagNumber<double>;

}  // namespace FLUMparse
