#include "input/schema/InputTagBoolean.h"

#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

InputTagBoolean::InputTagBoolean(std::string name, std::string description)
    : InputTagT(std::move(name), std::move(description)) {
    InputTag::setRestrictedValues({"yes", "no", "on", "off", "true", "false", "1", "0"});
}

bool InputTagBoolean::interpret(const std::string& text, std::string& message) {
    if (!isValidBoolean(text)) {
        message = "Expression '" + text + "' is not a valid value for tag '" + name() +
                  "'. Allowed values are " + restrictedValuesText();
        return false;
    }
    value_ = toBoolean(text);
    return true;
}

bool InputTagBoolean::asBool() const {
    requireValue();
    return value_;
}

}  // namespace FLUMparse
