#pragma once
// Recognisers for the scalar values inside tag values. Each returns false and
// fills `message` when the text is not acceptable.
#include <string>
#include <string_view>

namespace FLUMparse {

// Leading and trailing blanks and tabs removed.
std::string trimBlanks(std::string_view text);

bool isValidInteger(std::string_view text, std::string& message);
bool isValidReal(std::string_view text, std::string& message);
// The four spellings a boolean tag accepts: "1", "yes", "0", "no".
bool isValidBoolean(std::string_view text);

// Conversions of recognised text (callers recognise first). toInteger fails
// only when the number does not fit an int.
bool toInteger(std::string_view text, int& value);
double toReal(std::string_view text);
// True for "1", "yes", "on", "true", false for "0", "no", "off", "false";
// anything else is an internal error.
bool toBoolean(std::string_view text);

}  // namespace FLUMparse
