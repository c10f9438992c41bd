// The schema lists the words that each family table of the 2-D subdomain
// knows: a word in one and not the other would pass -t and then stop the run,
// or be refused although the engine has it.
#include <gtest/gtest.h>

#include "input/blocks/FlumarisInputRoot.h"
#include "plane/boundary/FPBoundaryFactory.h"
#include "plane/output/FPFieldValues.h"
#include "plane/output/FPOutputFactory.h"

using FLUMparse::InputBlock;
using FLUMparse::InputTag;

namespace {

const InputBlock& def(const InputBlock& b, const char* name) {
    const InputBlock* d = b.definitionOf(name);
    EXPECT_NE(d, nullptr) << name;
    return *d;
}

const InputTag& tag(const InputBlock& b, const std::string& name) {
    for (const auto& t : b.tagDefinitions())
        if (t->name() == name) return *t;
    ADD_FAILURE() << name;
    return *b.tagDefinitions().front();
}

}  // namespace

TEST(FamilyTables, SchemaListsTheWordsOfEveryTable) {
    FLUMparse::FlumarisInputRoot root;
    const InputBlock& plane = def(def(root.schema(), "DOMAIN"), "FLUMPLANE_2D");
    const InputBlock& hydraulics = def(plane, "HYDRAULICS");
    EXPECT_EQ(tag(def(hydraulics, "BOUNDARY"), "type").restrictedValues(), FlumPlane::boundaryTypeWords());
    EXPECT_EQ(tag(def(hydraulics, "INNER_BOUNDARY"), "type").restrictedValues(), FlumPlane::innerBoundaryTypeWords());
    EXPECT_EQ(tag(def(def(hydraulics, "SOURCE"), "EXTERNAL_SOURCE"), "type").restrictedValues(),
              FlumPlane::sourceTypeWords());
    const InputBlock& special = def(def(plane, "OUTPUT"), "SPECIAL_OUTPUT");
    EXPECT_EQ(tag(special, "type").restrictedValues(), FlumPlane::outputTypeWords());
    for (const char* key : {"values", "element_values", "node_values"}) {
        const auto* list = dynamic_cast<const FLUMparse::InputTagList<std::string>*>(&tag(special, key));
        ASSERT_NE(list, nullptr) << key;
        EXPECT_EQ(list->itemWords(), FlumPlane::FPFieldValues::names()) << key;
    }
}
