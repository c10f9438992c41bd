// libFuzzer target for the command-file language: any bytes must either parse
// or raise InputParseError, never abort; a parsed tree must validate, and its
// echo must parse again to the same echo.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "input/blocks/FlumarisInputRoot.h"
#include "input/blocks/IRGeo1DInputRoot.h"
#include "input/syntax/InputEcho.h"
#include "input/syntax/InputParseError.h"
#include "input/syntax/InputParser.h"
#include "input/syntax/InputParserCommon.h"
#include "input/syntax/ListParser.h"

namespace {

using namespace FLUMparse;

template <class Root>
void roundTrip(const std::string& text) {
    Root root;
    try {
        InputParser(true).parseText(text, root, "fuzz.fmc");
    } catch (const InputParseError&) {
        return;
    }
    root.validate();
    const std::string echo = echoInput(root);
    Root again;
    try {
        InputParser(true).parseText(echo, again, "echo.fmc");
    } catch (const InputParseError&) {
        std::abort();  // the echo of a parsed tree must parse
    }
    if (echoInput(again) != echo) std::abort();
}

template <class P>
void list(const P& parser, const std::string& text) {
    try {
        parser.parse(text);
    } catch (const ListError&) {
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // The first byte picks the schema; the rest is the file.
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
        case 0:
            roundTrip<FlumarisInputRoot>(text);
            break;
        case 1:
            roundTrip<IRGeo1DInputRoot>(text);
            break;
        default: {
            std::string m;
            isValidReal(text, m);
            isValidInteger(text, m);
            list(WhiteSpaceListParser<double>(), text);
            list(CommaListParser<int>(), text);
            list(WhiteSpaceListParser<std::string>(), text);
            try {
                ListParser::splitNested(text);
            } catch (const ListError&) {
            }
            break;
        }
    }
    return 0;
}
