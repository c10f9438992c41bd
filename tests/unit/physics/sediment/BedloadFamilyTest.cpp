// Invariants every bed-load formula must keep, for one grain and for a mixture.
#include <gtest/gtest.h>

#include "SedimentTestSupport.h"
#include "core/MessageService.h"

using namespace sedtest;

namespace {

const std::vector<std::string> kFormulas = {"mpm",         "mpmh",        "mpm_multi",        "parker",
                                            "power_law",   "rickenmann",  "smartjaeggi",      "smartjaeggi_multi",
                                            "vanrijn",     "wu"};

std::string keys(const std::string& word, double factor = 1.0)
{
    return "bedload_transport = " + word + "\n bedload_factor = " + std::to_string(factor) +
           "\n d90 = 30\n d30 = 15\n power_law_a = 0.001\n power_law_b = 3";
}

class BedloadFamily : public ::testing::TestWithParam<std::string> {};

// q of every class at velocity u over a bed of the given fractions.
std::vector<ClassCapacity> capacities(const SedCase& c, const std::vector<double>& fractions, double u)
{
    const BedLocation loc = c.location(fractions);
    const FlowState f = uniformFlow(1.0, u, 30.0);
    std::vector<ClassCapacity> out;
    for (int k = 0; k < c.params->getNumGrainClasses(); ++k)
        out.push_back(c.law->capacity(f, loc, k, c.shields(k, shearVelocity2(f)), c.theta->value(k)));
    return out;
}

}  // namespace

TEST_P(BedloadFamily, NothingMovesBelowTheCriticalValue)
{
    const SedCase c("( 20.0 )", keys(GetParam()));
    if (!c.law->hasThreshold()) GTEST_SKIP() << "no threshold";
    // theta = 0.9 theta_cr of the class, in uniform flow
    const double thetaCr = GetParam() == "parker" ? 0.0386 : c.theta->value(0);
    const double us2 = 0.9 * thetaCr * c.params->sMinus1() * kG * 0.02;
    FlowState f = uniformFlow(1.0, 1.0, 30.0);
    f.u = std::sqrt(us2) * f.c;
    f.slope = -us2 / (kG * f.h);
    const ClassCapacity r = c.law->capacity(f, c.location({1.0}), 0, c.shields(0, us2), c.theta->value(0));
    EXPECT_EQ(r.q, 0.0);
    EXPECT_GT(r.thetaCr, 0.0);
}

TEST_P(BedloadFamily, MonotoneInShearAndNeverNegative)
{
    for (const auto& [diameters, fractions] :
         std::vector<std::pair<std::string, std::vector<double>>>{{"( 20.0 )", {1.0}},
                                                                  {"( 2.0 10.0 40.0 )", {0.2, 0.5, 0.3}}}) {
        const SedCase c(diameters, keys(GetParam()));
        std::vector<double> last(fractions.size(), 0.0);
        for (double u = 0.0; u <= 5.0; u += 0.05) {
            const auto r = capacities(c, fractions, u);
            for (size_t k = 0; k < r.size(); ++k) {
                SCOPED_TRACE(diameters + " class " + std::to_string(k) + " u " + std::to_string(u));
                ASSERT_TRUE(std::isfinite(r[k].q));
                EXPECT_GE(r[k].q, 0.0);
                EXPECT_GE(r[k].q, last[k] * (1.0 - 1e-12));
                if (c.law->hasThreshold() && r[k].theta <= r[k].thetaCr) {
                    EXPECT_EQ(r[k].q, 0.0);
                }
                last[k] = r[k].q;
            }
        }
        for (double q : last) EXPECT_GT(q, 0.0) << "moves nothing at 5 m/s: " << diameters;
    }
}

TEST_P(BedloadFamily, BedloadFactorScalesTheCapacity)
{
    const SedCase one("( 2.0 10.0 40.0 )", keys(GetParam()));
    const SedCase half("( 2.0 10.0 40.0 )", keys(GetParam(), 0.5));
    const auto a = capacities(one, {0.2, 0.5, 0.3}, 3.0);
    const auto b = capacities(half, {0.2, 0.5, 0.3}, 3.0);
    for (size_t k = 0; k < a.size(); ++k) {
        EXPECT_GT(a[k].q, 0.0);
        EXPECT_NEAR(b[k].q, 0.5 * a[k].q, 1e-15);
    }
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, BedloadFamily, ::testing::ValuesIn(kFormulas),
                         [](const auto& info) { return info.param; });

TEST(BedloadFactory, WordsAreTheSchemaWordsOfBothEngines)
{
    const std::vector<std::string> words = bedloadFormulaWords();
    FLUMparse::FlumarisInputRoot root;
    const FLUMparse::InputBlock& domain = *root.schema().definitionOf("DOMAIN");
    for (const char* sub : {"FLUMPLANE_2D", "FLUMCHAIN_1D"}) {
        const FLUMparse::InputBlock& p =
            *domain.definitionOf(sub)->definitionOf("MORPHOLOGY")->definitionOf("BEDLOAD")->definitionOf("PARAMETER");
        for (const auto& t : p.tagDefinitions())
            if (t->name() == "bedload_transport") {
                EXPECT_EQ(t->restrictedValues(), words) << sub;
            }
    }
    // Both spellings of the power law are the same formula.
    EXPECT_EQ(bedloadFormulaFromWord("powerlaw"), bedloadFormulaFromWord("power_law"));
}

TEST(BedloadFactory, UnknownWordNamesItAndTheValidWords)
{
    try {
        bedloadFormulaFromWord("meyer_peter");
        FAIL() << "no error";
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(),
                     "Unknown transport formula: meyer_peter\nValid formulas are mpm, mpmh, mpm_multi, parker, "
                     "power_law, powerlaw, rickenmann, smartjaeggi, smartjaeggi_multi, vanrijn, wu.");
    }
}

TEST(BedloadFactory, FormulaDefaultsOfTheCriticalValue)
{
    EXPECT_DOUBLE_EQ(SedCase("( 20.0 )", keys("wu")).theta->value(0), 0.03);
    EXPECT_DOUBLE_EQ(SedCase("( 20.0 )", keys("parker")).theta->value(0), 0.0386);
    EXPECT_DOUBLE_EQ(SedCase("( 20.0 )", keys("mpm")).theta->value(0), 0.055);  // D* = 506
    // A user value replaces both the curve and the formula's own value.
    EXPECT_DOUBLE_EQ(SedCase("( 20.0 )", keys("wu") + "\n theta_critical = ( 0.047 )").theta->value(0), 0.047);
}
