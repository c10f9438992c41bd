#include "physics/suspended/adaptation/AdaptationCoefficientFactory.h"

#include <array>

#include "core/MessageService.h"
#include "physics/suspended/adaptation/ACLin.h"
#include "physics/suspended/adaptation/ACMinhDuc.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<AdaptationCoefficient> (*)();

struct Entry {
    const char* word;
    Creator create;
};

const std::array<Entry, 2> kLaws{{
    {"lin", []() -> std::unique_ptr<AdaptationCoefficient> { return std::make_unique<ACLin>(); }},
    {"minhduc", []() -> std::unique_ptr<AdaptationCoefficient> { return std::make_unique<ACMinhDuc>(); }},
}};

}  // namespace

std::unique_ptr<AdaptationCoefficient> createAdaptationCoefficient(const std::string& word)
{
    for (const Entry& e : kLaws)
        if (word == e.word) return e.create();
    fatal("Unknown adaptation coefficient: '" + word + "'. Valid words are lin, minhduc.");
    return nullptr;
}

}  // namespace Flumaris
