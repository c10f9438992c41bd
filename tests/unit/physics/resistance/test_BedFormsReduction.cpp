#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/Flumaris.h"
#include "physics/resistance/BedFormsReductionFactorConst.h"
#include "physics/resistance/BedFormsReductionFactorMPM.h"
#include "physics/resistance/BedFormsReductionFactorSlopeDependent.h"
#include "physics/resistance/GrainSizeSource.h"

using namespace Flumaris;

namespace {

struct FixedGrains : GrainSizeSource {
    double d90OfElement(int e) const override { return e == 0 ? 0.064 : 0.0; }
    double d90OfSection(int) const override { return 0.064; }
};

constexpr double kSqrtG = 3.132091952673165;
constexpr double kGrainStrickler = 33.3620293147764;  // 21.1 / 0.064^(1/6)

}  // namespace

TEST(BedForms, ConstantAndSlopeDependentFactors)
{
    BedFormsReductionFactorConst k(0.7);
    EXPECT_EQ(k.getFactor2D({}), 0.7);
    EXPECT_EQ(k.getFactor1D(10.0, 1.0, 0), 0.7);
    EXPECT_FALSE(k.needsGrainSize());

    BedFormElement steep;
    steep.slopeX = 0.03;
    steep.slopeY = -0.04;  // magnitude 0.05
    EXPECT_EQ(BedFormsReductionFactorSlopeDependent(0.6, 0.06).getFactor2D(steep), 0.6);
    EXPECT_EQ(BedFormsReductionFactorSlopeDependent(0.6, 0.05).getFactor2D(steep), 1.0);
    EXPECT_EQ(BedFormsReductionFactorSlopeDependent(0.6, 0.01).getFactor1D(10.0, 1.0, 0), 0.6);
}

TEST(BedForms, MpmFactorAndItsLimits)
{
    ProgramSettings::resetToDefaults();
    FixedGrains grains;
    BedFormsReductionFactorMPM mpm(grains);
    EXPECT_TRUE(mpm.needsGrainSize());
    // h = 1: kst = c sqrt(g). A quarter of the grain value gives (1/4)^(3/2).
    BedFormElement el;
    el.index = 0;
    el.h = 1.0;
    el.c = kGrainStrickler / 4.0 / kSqrtG;
    EXPECT_NEAR(mpm.getFactor2D(el), 0.125, 1e-12);
    // h = 64: h^(1/6) = 2, so the same c gives half the Strickler value.
    EXPECT_NEAR(mpm.getFactor1D(el.c, 64.0, 3), std::pow(0.125, 1.5), 1e-12);
    el.c = 1.01 * kGrainStrickler / kSqrtG;  // kst above kr
    EXPECT_EQ(mpm.getFactor2D(el), 1.0);
    el.c = 0.0;
    EXPECT_EQ(mpm.getFactor2D(el), 1.0);
    el.c = 1.0;
    el.index = 1;  // no bed material
    EXPECT_EQ(mpm.getFactor2D(el), 1.0);
}

TEST(BedForms, WidthWeightedGrainSizeOfASection)
{
    const std::vector<double> w{2.0, 0.0, 1.0}, d{0.01, 0.5, 0.04};
    EXPECT_NEAR(BedFormsReductionFactorMPM::widthWeightedD90(w, d), 0.02, 1e-15);
    const std::vector<double> none{0.0, 1e-16};
    EXPECT_EQ(BedFormsReductionFactorMPM::widthWeightedD90(none, std::vector<double>{0.01, 0.02}), 0.0);
}
