#include "physics/suspended/settling/SettlingVelocityFactory.h"

#include <array>

#include "core/MessageService.h"
#include "physics/suspended/settling/SVVanRijn.h"
#include "physics/suspended/settling/SVWuWang.h"
#include "physics/suspended/settling/SVZhang.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<SettlingVelocity> (*)(double g, double nu, double shape);

struct Entry {
    const char* word;
    SinkVelocityType type;
    Creator create;
};

const std::array<Entry, 3> kLaws{{
    {"vanrijn", SinkVelocityType::VanRijn,
     [](double g, double nu, double) -> std::unique_ptr<SettlingVelocity> { return std::make_unique<SVVanRijn>(g, nu); }},
    {"wuwang", SinkVelocityType::WuWang,
     [](double g, double nu, double shape) -> std::unique_ptr<SettlingVelocity> {
         return std::make_unique<SVWuWang>(g, nu, shape);
     }},
    {"zhang", SinkVelocityType::Zhang,
     [](double g, double nu, double) -> std::unique_ptr<SettlingVelocity> { return std::make_unique<SVZhang>(g, nu); }},
}};

}  // namespace

std::vector<std::string> sinkVelocityWords()
{
    std::vector<std::string> words;
    for (const Entry& e : kLaws) words.emplace_back(e.word);
    return words;
}

SinkVelocityType sinkVelocityTypeFromWord(const std::string& word)
{
    for (const Entry& e : kLaws)
        if (word == e.word) return e.type;
    fatal("'" + word + "' is not a supported sink velocity formula to be used for suspension with sediment exchange.");
    return SinkVelocityType::VanRijn;
}

std::unique_ptr<SettlingVelocity> createSettlingVelocity(SinkVelocityType type, double g, double nu,
                                                         double shapeFactor)
{
    for (const Entry& e : kLaws)
        if (e.type == type) return e.create(g, nu, shapeFactor);
    return nullptr;
}

}  // namespace Flumaris
