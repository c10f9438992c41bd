#pragma once
// Word-valued keys as enums: the schema restricts the words, so the mapping
// below sees only listed words; one that is missing from the table is a
// programming error, not an input error.
#include <string>
#include <utility>

#include "core/FlumAssert.h"
#include "input/schema/InputTag.h"

namespace FLUMparse {

template <class E, std::size_t N>
E wordToEnum(const std::string& word, const std::pair<const char*, E> (&table)[N]) {
    for (const auto& [w, e] : table)
        if (word == w) return e;
    const std::string msg = "The word '" + word + "' has no enum value";
    Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
}

// The effective word of a tag (as read, else the default).
template <class E, std::size_t N>
E wordToEnum(const InputTag& tag, const std::pair<const char*, E> (&table)[N]) {
    return wordToEnum(tag.asString(), table);
}

}  // namespace FLUMparse
