#include "physics/resistance/ResistanceFactory.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/MessageService.h"
#include "physics/resistance/HeightChezy.h"
#include "physics/resistance/HeightDarcy.h"
#include "physics/resistance/HeightLog.h"
#include "physics/resistance/HeightStrick.h"
#include "physics/resistance/Manning.h"
#include "physics/resistance/Strickler.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<ResistanceCalc> (*)(const ResistanceSettings&);

struct Entry {
    const char* key;
    Creator create;
};

const std::array<Entry, 6> kLaws{{
    {"MANNING", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<Manning>(s.grainFriction, s.stricklerFactor);
     }},
    {"STRICKLER", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<Strickler>(s.grainFriction, s.stricklerFactor);
     }},
    {"HEIGHTSTR", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<HeightStrick>(s.grainFriction, s.stricklerFactor, s.roughnessFactor);
     }},
    {"CHEZY", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<HeightChezy>(s.grainFriction, s.roughnessFactor);
     }},
    {"DARCY", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<HeightDarcy>(s.grainFriction, s.roughnessFactor);
     }},
    {"LOG", [](const ResistanceSettings& s) -> std::unique_ptr<ResistanceCalc> {
         return std::make_unique<HeightLog>(s.grainFriction, s.roughnessFactor);
     }},
}};

}  // namespace

std::vector<std::string> resistanceTypeWords()
{
    std::vector<std::string> words;
    for (const Entry& e : kLaws) {
        std::string w = e.key;
        std::transform(w.begin(), w.end(), w.begin(), [](unsigned char c) { return std::tolower(c); });
        words.push_back(w);
    }
    return words;
}

std::unique_ptr<ResistanceCalc> createResistanceCalc(const ResistanceSettings& s)
{
    std::string word = s.type;
    std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::toupper(c); });
    for (const Entry& e : kLaws) {
        if (word == e.key) return e.create(s);
    }
    std::string known;
    for (const std::string& w : resistanceTypeWords()) known += (known.empty() ? "" : ", ") + w;
    fatal("Unknown source friction type: '" + s.type +
                  "'.\nPlease choose a knwon friction type and restart the program.\nKnown types: " + known + ".");
    return nullptr;
}

}  // namespace Flumaris
