#include "physics/sediment/controlvolume/BedloadContrVolFactory.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/MessageService.h"
#include "physics/sediment/controlvolume/BedloadContrVolBorah.h"
#include "physics/sediment/controlvolume/BedloadContrVolConst.h"
#include "physics/sediment/controlvolume/BedloadContrVolMean.h"

namespace Flumaris {

namespace {

using Creator = std::unique_ptr<BedloadContrVol> (*)(const MorphologySettings&);

struct Entry {
    const char* word;
    ControlVolumeType type;
    Creator create;
};

const std::array<Entry, 3> kTypes{{
    {"CONSTANT", ControlVolumeType::Constant,
     [](const MorphologySettings& s) -> std::unique_ptr<BedloadContrVol> {
         return std::make_unique<BedloadContrVolConst>(s.controlVolumeThickness);
     }},
    {"DMEAN", ControlVolumeType::Dmean,
     [](const MorphologySettings& s) -> std::unique_ptr<BedloadContrVol> {
         return std::make_unique<BedloadContrVolMean>(s.controlVolumeFactor);
     }},
    {"BORAH", ControlVolumeType::Borah,
     [](const MorphologySettings& s) -> std::unique_ptr<BedloadContrVol> {
         return std::make_unique<BedloadContrVolBorah>(s.porosity);
     }},
}};

}  // namespace

ControlVolumeType controlVolumeTypeFromWord(const std::string& word)
{
    std::string upper = word;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    for (const Entry& e : kTypes)
        if (upper == e.word) return e.type;
    fatal("Unknown bed-load control volume type: '" + word + "'. Valid types are constant, dmean, borah.");
    return ControlVolumeType::Constant;
}

std::unique_ptr<BedloadContrVol> createBedloadContrVol(const MorphologySettings& s)
{
    for (const Entry& e : kTypes)
        if (e.type == s.controlVolumeType) return e.create(s);
    return nullptr;
}

}  // namespace Flumaris
