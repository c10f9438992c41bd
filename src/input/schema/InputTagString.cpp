#include "input/schema/InputTagString.h"

namespace FLUMparse {

bool InputTagValidatorOneWord::accepts(const std::string& text) const {
    return text.find_first_of(" \t\n") == std::string::npos;
}

}  // namespace FLUMparse
