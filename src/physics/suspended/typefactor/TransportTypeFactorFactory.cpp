#include "physics/suspended/typefactor/TransportTypeFactorFactory.h"

#include <array>

#include "core/MessageService.h"
#include "physics/suspended/typefactor/TransportTypeFactorBagnold.h"
#include "physics/suspended/typefactor/TransportTypeFactorVanRijn.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<TransportTypeFactor> (*)();

struct Entry {
    const char* word;
    TransportTypeFactorType type;
    Creator create;
};

const std::array<Entry, 2> kLaws{{
    {"vanrijn", TransportTypeFactorType::VanRijn,
     []() -> std::unique_ptr<TransportTypeFactor> { return std::make_unique<TransportTypeFactorVanRijn>(); }},
    {"bagnold", TransportTypeFactorType::Bagnold,
     []() -> std::unique_ptr<TransportTypeFactor> { return std::make_unique<TransportTypeFactorBagnold>(); }},
}};

}  // namespace

std::vector<std::string> transportTypeFactorWords()
{
    std::vector<std::string> words;
    for (const Entry& e : kLaws) words.emplace_back(e.word);
    return words;
}

TransportTypeFactorType transportTypeFactorTypeFromWord(const std::string& word)
{
    for (const Entry& e : kLaws)
        if (word == e.word) return e.type;
    fatal("'" + word + "' is not a supported near transport type factor approach to be used.");
    return TransportTypeFactorType::VanRijn;
}

std::unique_ptr<TransportTypeFactor> createTransportTypeFactor(TransportTypeFactorType type)
{
    for (const Entry& e : kLaws)
        if (e.type == type) return e.create();
    return nullptr;
}

}  // namespace Flumaris
