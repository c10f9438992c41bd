#include "physics/suspended/nearbed/NearBedConcentrationFactory.h"

#include <array>

#include "core/MessageService.h"
#include "physics/suspended/nearbed/NBCVanRijn.h"
#include "physics/suspended/nearbed/NBCZyserman.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<NearBedConcentration> (*)(double factor);

struct Entry {
    const char* word;
    NearBedConcentrationType type;
    Creator create;
};

// 1-D files also write "zysermann".
const std::array<Entry, 3> kLaws{{
    {"vanrijn", NearBedConcentrationType::VanRijn,
     [](double f) -> std::unique_ptr<NearBedConcentration> { return std::make_unique<NBCVanRijn>(f); }},
    {"zyserman", NearBedConcentrationType::Zyserman,
     [](double) -> std::unique_ptr<NearBedConcentration> { return std::make_unique<NBCZyserman>(); }},
    {"zysermann", NearBedConcentrationType::Zyserman,
     [](double) -> std::unique_ptr<NearBedConcentration> { return std::make_unique<NBCZyserman>(); }},
}};

}  // namespace

std::vector<std::string> nearBedConcentrationWords()
{
    std::vector<std::string> words;
    for (const Entry& e : kLaws) words.emplace_back(e.word);
    return words;
}

NearBedConcentrationType nearBedConcentrationTypeFromWord(const std::string& word)
{
    for (const Entry& e : kLaws)
        if (word == e.word) return e.type;
    fatal("'" + word +
                  "' is not a supported near bed concentration formula to be used for suspension with sediment "
                  "exchange. supported formulas are 'vanrijn' and 'zysermann'.");
    return NearBedConcentrationType::VanRijn;
}

std::unique_ptr<NearBedConcentration> createNearBedConcentration(NearBedConcentrationType type,
                                                                 double referenceHeightFactor)
{
    for (const Entry& e : kLaws)
        if (e.type == type) return e.create(referenceHeightFactor);
    return nullptr;
}

}  // namespace Flumaris
