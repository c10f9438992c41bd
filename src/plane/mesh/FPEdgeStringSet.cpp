#include "plane/mesh/FPEdgeStringSet.h"

#include "core/MessageService.h"

namespace FlumPlane {

const EdgeString& EdgeStringSet::add(const Grid& grid, const StringDef& def)
{
    if (find(def.name)) {
        Flumaris::fatal("Two string definitions in STRINGDEF blocks share the same name: '" + def.name +
                                "' Every string definition should have a unique name.");
    }
    strings_.emplace_back(grid, def);
    return strings_.back();
}

const EdgeString* EdgeStringSet::find(const std::string& name) const
{
    for (const EdgeString& s : strings_)
        if (s.name() == name) return &s;
    return nullptr;
}

}  // namespace FlumPlane
