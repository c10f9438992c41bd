// The 1-D schema lists exactly the words of the chain's family tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "chain/boundary/FCBoundaryFactory.h"
#include "input/blocks/FlumarisInputRoot.h"

using FLUMparse::InputBlock;

namespace {

std::vector<std::string> sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

std::vector<std::string> words(const InputBlock& b, const std::string& tag) {
    for (const auto& t : b.tagDefinitions())
        if (t->name() == tag) return sorted(t->restrictedValues());
    ADD_FAILURE() << tag;
    return {};
}

}  // namespace

TEST(ChainFamilyTables, SchemaListsTheWordsOfEveryTable) {
    FLUMparse::FlumarisInputRoot root;
    const InputBlock& hydraulics =
        *root.schema().definitionOf("DOMAIN")->definitionOf("FLUMCHAIN_1D")->definitionOf("HYDRAULICS");
    EXPECT_EQ(words(*hydraulics.definitionOf("BOUNDARY"), "type"), sorted(FlumChain::boundaryTypeWords()));
    EXPECT_EQ(words(*hydraulics.definitionOf("INNER_BOUNDARY"), "type"), sorted(FlumChain::innerTypeWords()));
    EXPECT_EQ(words(*hydraulics.definitionOf("SOURCE")->definitionOf("EXTERNAL_SOURCE"), "type"),
              sorted(FlumChain::sourceTypeWords()));
}
