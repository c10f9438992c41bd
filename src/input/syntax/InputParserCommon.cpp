#include "input/syntax/InputParserCommon.h"

#include <charconv>
#include <cstdlib>
#include <string>

#include "core/FlumAssert.h"

namespace FLUMparse {

namespace {
bool isDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string trimBlanks(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return std::string(text.substr(b, e - b));
}

bool isValidInteger(std::string_view text, std::string& message) {
    if (text.empty()) {
        message = "Empty string as value received";
        return false;
    }
    if (!isDigit(text[0]) && text[0] != '-') {
        message = std::string("Character '") + text[0] + "' is invalid for an integer";
        return false;
    }
    for (size_t i = 1; i < text.size(); ++i) {
        if (!isDigit(text[i])) {
            message = std::string("Non numeric character '") + text[i] + "' found";
            return false;
        }
    }
    return true;
}

bool isValidReal(std::string_view text, std::string& message) {
    if (text.empty()) {
        message = "Empty value instead of a double found";
        return false;
    }
    // States as in the reference table: 1 start, 2 sign, 3 integer part,
    // 4 point, 5 fraction, 6 exponent mark, 7 exponent, 0 trailing blank.
    int state = 1;
    for (char c : text) {
        const bool sign = c == '+' || c == '-';
        const bool digit = isDigit(c);
        const bool exp = c == 'e' || c == 'E';
        const bool blank = c == ' ' || c == '\t';
        int next = -1;
        switch (state) {
            case 1: next = sign ? 2 : digit ? 3 : -1; break;
            case 2: next = digit ? 3 : exp ? 6 : -1; break;
            case 3: next = digit ? 3 : c == '.' ? 4 : exp ? 6 : blank ? 0 : -1; break;
            case 4: next = digit ? 5 : exp ? 6 : -1; break;
            case 5: next = digit ? 5 : exp ? 6 : blank ? 0 : -1; break;
            case 6: next = (sign || digit) ? 7 : -1; break;
            case 7: next = digit ? 7 : c == ' ' ? 0 : -1; break;
            default: next = 0; break;
        }
        if (next < 0) {
            message = "Value '" + std::string(text) + "' is not a double (last_stage: " + std::to_string(state) + ")";
            return false;
        }
        state = next;
    }
    if (state != 3 && state != 4 && state != 5 && state != 7) {
        message = "Value '" + std::string(text) + "' can not be recognized as a double";
        return false;
    }
    return true;
}

bool isValidBoolean(std::string_view text) {
    return text == "1" || text == "yes" || text == "on" || text == "true" || text == "0" || text == "no" ||
           text == "off" || text == "false";
}

bool toInteger(std::string_view text, int& value) {
    value = 0;
    if (text == "-") return true;  // accepted by the recogniser; reads as zero
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    return r.ec == std::errc();
}

double toReal(std::string_view text) {
    // from_chars takes neither a leading '+' nor a bare exponent; both are
    // legal here ("+1.5", "2e+" reads as 2, "+e5" as 0).
    if (!text.empty() && text[0] == '+') text.remove_prefix(1);
    double value = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) {
        // Overflow gives +-inf and underflow 0, so that range checks still see the number.
        return std::strtod(std::string(text).c_str(), nullptr);
    }
    return value;
}

bool toBoolean(std::string_view text) {
    if (text == "1" || text == "yes" || text == "on" || text == "true") return true;
    if (text == "0" || text == "no" || text == "off" || text == "false") return false;
    const std::string msg = "tried to parse invalid boolean value '" + std::string(text) + "'. I don't like.";
    Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
}

}  // namespace FLUMparse
