#pragma once
// Where the cross sections of a chain come from: a geometry reader owns the
// sections it has read, by name.
#include <string>
#include <vector>

#include "section/CrossSection.h"

namespace FlumChain {

class InputTopo {
public:
    virtual ~InputTopo() = default;
    // The sections in file order.
    virtual std::vector<Flumaris::CrossSection>& sections() = 0;
    // Null when no section has that name.
    virtual Flumaris::CrossSection* findSection(const std::string& name) = 0;
};

}  // namespace FlumChain
