#include "input/schema/InputTagNumber.h"

#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

void checkNumberRanges(InputTag& tag, double value, const std::string& text, const InputRange& valid,
                       const InputRange& reasonable) {
    if (!valid.contains(value)) {
        tag.addError("Value '" + text + "' is not in range " + valid.plainText());
    } else if (!reasonable.contains(value)) {
        tag.addWarning("Value '" + text + "' is not in the reasonable range " + reasonable.plainText());
    }
}

template <>
std::string InputTagNumber<int>::typeName() const { return "integer"; }
template <>
std::string InputTagNumber<double>::typeName() const { return "real"; }

template <>
bool InputTagNumber<int>::interpret(const std::string& text, std::string& message) {
    if (!isValidInteger(text, message)) return false;
    if (!toInteger(text, value_)) {
        message = "Value '" + text + "' does not fit into an integer";
        return false;
    }
    return true;
}

template <>
bool InputTagNumber<double>::interpret(const std::string& text, std::string& message) {
    if (!isValidReal(text, message)) return false;
    value_ = toReal(text);
    return true;
}

template <class T>
void InputTagNumber<T>::validate() {
    if (this->isSet()) checkNumberRanges(*this, static_cast<double>(value_), this->valueText(), range(), reasonableRange());
}

template <class T>
T InputTagNumber<T>::value() const {
    this->requireValue();
    return value_;
}

template <>
int InputTagNumber<int>::asInt() const { return value(); }
template <>
int InputTagNumber<double>::asInt() const { this->wrongType("integer"); }
template <class T>
double InputTagNumber<T>::asDouble() const { return static_cast<double>(value()); }

template <class T>
InputTagNumber<T>& InputTagNumber<T>::setMin(double v, bool inclusive) {
    this->checkSchemaChange();
    valid_.lower = InputBound{v, inclusive};
    return *this;
}
template <class T>
InputTagNumber<T>& InputTagNumber<T>::setMax(double v, bool inclusive) {
    this->checkSchemaChange();
    valid_.upper = InputBound{v, inclusive};
    return *this;
}
template <class T>
InputTagNumber<T>& InputTagNumber<T>::setReasonableMin(double v, bool inclusive) {
    this->checkSchemaChange();
    reasonable_.lower = InputBound{v, inclusive};
    return *this;
}
template <class T>
InputTagNumber<T>& InputTagNumber<T>::setReasonableMax(double v, bool inclusive) {
    this->checkSchemaChange();
    reasonable_.upper = InputBound{v, inclusive};
    return *this;
}

template class InputTagNumber<int>;
template class InputTagNumber<double>;

}  // namespace FLUMparse
