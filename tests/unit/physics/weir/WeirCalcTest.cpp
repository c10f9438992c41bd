#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/weir/WeirCalc.h"

using namespace Flumaris;

namespace {

std::string fatalText(const auto& call) {
    try {
        call();
    } catch (const FatalError& e) {
        return e.what();
    }
    return "<no error>";
}

// sigma for a crest at 0 and the upstream level at 1, so that r = z_down.
double sigma(double r) { return WeirCalc::submergenceFactor(0.0, 1.0, r, 0.0); }

}  // namespace

TEST(WeirCalc, PoleniFromRelativeHead) {
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(0.0), 0.611);
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(5.0), 1.011);
    EXPECT_NEAR(WeirCalc::poleniFromRelativeHead(9.999), 1.41092, 1e-12);
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(10.0), 1.135);
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(12.0), 1.135);
    // 1.06 * 20^1.5 = 94.8 is far above 1.5: replaced by 1
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(20.0), 1.0);
    EXPECT_DOUBLE_EQ(WeirCalc::poleniFromRelativeHead(25.0), 1.0);
}

TEST(WeirCalc, NegativeCoefficientSelectsTheFormula) {
    const WeirCalc formula(-1.0);
    EXPECT_TRUE(formula.poleniFromFormula());
    // crest 2 m above the bed (P = 2): h = 10 -> h/P = 5
    EXPECT_DOUBLE_EQ(formula.poleni(102.0, 112.0, 100.0), 1.011);
    EXPECT_DOUBLE_EQ(formula.poleni(102.0, 126.0, 100.0), 1.135);  // h/P = 12
    EXPECT_DOUBLE_EQ(formula.poleni(102.0, 152.0, 100.0), 1.0);    // h/P = 25

    const WeirCalc given(0.0);
    EXPECT_FALSE(given.poleniFromFormula());
    EXPECT_DOUBLE_EQ(WeirCalc(1.8).poleni(102.0, 152.0, 100.0), 1.8);  // a given value is never cut
}

TEST(WeirCalc, FreeDischarge) {
    ProgramSettings::resetToDefaults();
    const WeirCalc w(0.6);
    // (2/3) * 0.6 * sqrt(2 * 9.81 * 1) = 0.4 * 4.42944691807
    EXPECT_NEAR(w.freeDischarge(10.0, 11.0, 8.0), 1.771778767228, 1e-11);
    // h = 2: 0.4 * sqrt(2 * 9.81 * 8) = 0.4 * 12.52836781069
    EXPECT_NEAR(w.freeDischarge(10.0, 12.0, 8.0), 5.011347124277, 1e-11);
    EXPECT_DOUBLE_EQ(w.freeDischarge(10.0, 10.0, 8.0), 0.0);
    EXPECT_DOUBLE_EQ(w.freeDischarge(10.0, 9.0, 8.0), 0.0);

    // the formula: P = 0.2, h = 1 -> h/P = 5, mu = 1.011
    EXPECT_NEAR(WeirCalc(-1.0).freeDischarge(10.0, 11.0, 9.8), 2.0 / 3.0 * 1.011 * 4.429446918070, 1e-11);

    settings().setGravity(10.0);
    EXPECT_NEAR(w.freeDischarge(10.0, 11.0, 8.0), 0.4 * std::sqrt(20.0), 1e-12);
    ProgramSettings::resetToDefaults();
}

TEST(WeirCalc, NegativeDischargeIsAnError) {
    // crest below the bed (P = -1): h/P = -20, mu = 0.611 - 1.6 < 0
    const std::string text = fatalText([] { WeirCalc(-1.0).freeDischarge(0.0, 20.0, 1.0); });
    EXPECT_EQ(text.rfind("Negative weir discharge (q = -", 0), 0u) << text;
}

TEST(WeirCalc, SubmergenceFactorBranches) {
    EXPECT_DOUBLE_EQ(sigma(0.0), 1.0);
    EXPECT_DOUBLE_EQ(sigma(0.15), 0.95);
    EXPECT_DOUBLE_EQ(sigma(0.3), 0.9);
    EXPECT_DOUBLE_EQ(sigma(0.4), 0.85);
    EXPECT_DOUBLE_EQ(sigma(0.5), 0.8);
    EXPECT_NEAR(sigma(0.65), 0.7, 1e-12);
    EXPECT_NEAR(sigma(0.9), 0.466666666666, 1e-12);
    EXPECT_NEAR(sigma(0.975), 0.2, 1e-14);
    EXPECT_DOUBLE_EQ(sigma(1.0), 0.0);
    EXPECT_DOUBLE_EQ(sigma(1.5), 0.0);  // r is limited to 1
}

TEST(WeirCalc, SubmergenceConstantsAreTwelveDigitDecimals) {
    // 1.133333333333 - 0.8 * 2/3 and 1.666666666666 - 0.95 * 4/3 fall short of
    // 0.6 and 0.4 by 3.33e-13 and 6.67e-13; 17/15 and 5/3 would not.
    EXPECT_NEAR(sigma(0.8), 0.6 - 3.333333e-13, 1e-15);
    EXPECT_NEAR(sigma(0.95), 0.4 - 6.666667e-13, 1e-15);
    // just above 0.95 the last branch continues at 0.4
    EXPECT_NEAR(sigma(0.95 + 1e-9), 0.4 - 8e-9, 1e-12);
}

TEST(WeirCalc, FreeFlowUpToTheTolerance) {
    const double zWeir = 100.0;
    const double eps = 0.01;
    EXPECT_DOUBLE_EQ(WeirCalc::submergenceFactor(zWeir, 101.0, zWeir + eps, eps), 1.0);
    EXPECT_LT(WeirCalc::submergenceFactor(zWeir, 101.0, zWeir + 2.0 * eps, eps), 1.0);
    // Free flow needs no upstream head check.
    EXPECT_DOUBLE_EQ(WeirCalc::submergenceFactor(zWeir, 99.0, 99.5, eps), 1.0);
}

TEST(WeirCalc, SubmergedDischarge) {
    ProgramSettings::resetToDefaults();
    const WeirCalc w(0.6);
    // r = 0.5: sigma = 0.8
    EXPECT_NEAR(w.discharge(10.0, 11.0, 10.5, 8.0, 0.0), 0.8 * 1.771778767228, 1e-11);
    // tailwater below the crest: free flow
    EXPECT_NEAR(w.discharge(10.0, 11.0, 9.0, 8.0, 0.0), 1.771778767228, 1e-11);
    // drowned weir: no discharge
    EXPECT_DOUBLE_EQ(w.discharge(10.0, 11.0, 11.0, 8.0, 0.0), 0.0);
}

TEST(WeirCalc, LevelsTheCallerShouldHaveCheckedAreInternalErrors) {
    EXPECT_EQ(fatalText([] { WeirCalc::submergenceFactor(10.0, 10.0, 10.5, 0.0); }),
              "wse_high is below weir level although this was checked before!\nCheck out weirCalc");
    EXPECT_EQ(fatalText([] { WeirCalc(0.6).discharge(10.0, 9.0, 10.5, 8.0, 0.0); }),
              "wse_high is below weir level although this was checked before!\nCheck out weirCalc");
    // a negative tolerance lets a tailwater below the crest through to the ratio
    EXPECT_EQ(fatalText([] { WeirCalc::submergenceFactor(10.0, 11.0, 9.8, -0.5); }),
              "ration for weir reduction factor below zero!\nCheck out weirCalc");
}
