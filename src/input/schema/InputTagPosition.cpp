#include "input/schema/InputTagPosition.h"

#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

bool InputTagPosition::interpret(const std::string& text, std::string& message) {
    const size_t dot = text.find('.');
    if (dot == 0) {
        message = "Position starts with a '.' which means that no region name is defined";
        return false;
    }
    if (dot == std::string::npos) {
        message = "There is no region name in string '" + text + "'";
        return false;
    }
    if (text.find('.', dot + 1) != std::string::npos) {
        message = "Found a second dot in '" + text + "' which is unexpected";
        return false;
    }
    if (dot + 1 == text.size()) {
        message = "There is no name behind the region in string '" + text + "'";
        return false;
    }
    region_ = text.substr(0, dot);
    name_ = text.substr(dot + 1);
    return true;
}

bool InputTagSlope::interpret(const std::string& text, std::string& message) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        if (!isValidReal(text, message)) return false;
        value_ = toReal(text);
        return true;
    }
    const std::string a = trimBlanks(text.substr(0, colon));
    const std::string b = trimBlanks(text.substr(colon + 1));
    if (!isValidReal(a, message) || !isValidReal(b, message)) return false;
    const double den = toReal(b);
    if (den == 0.0) {
        message = "The slope '" + text + "' divides by zero";
        return false;
    }
    value_ = toReal(a) / den;
    return true;
}

}  // namespace FLUMparse
