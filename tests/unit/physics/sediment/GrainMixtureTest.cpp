// Grain mixtures, the Shields curve, the sediment parameters and the
// control-volume laws.
#include <gtest/gtest.h>

#include "SedimentTestSupport.h"
#include "core/MessageService.h"
#include "physics/sediment/controlvolume/BedloadContrVolBorah.h"
#include "physics/sediment/controlvolume/BedloadContrVolFactory.h"

using namespace sedtest;

TEST(ShieldsCurve, BranchLimits)
{
    EXPECT_DOUBLE_EQ(ThetaCritical::shields(4.0), 0.06);
    EXPECT_DOUBLE_EQ(ThetaCritical::shields(10.0), 0.14 * std::pow(10.0, -0.64));
    EXPECT_DOUBLE_EQ(ThetaCritical::shields(20.0), 0.04 * std::pow(20.0, -0.1));
    EXPECT_DOUBLE_EQ(ThetaCritical::shields(150.0), 0.013 * std::pow(150.0, 0.29));
    EXPECT_DOUBLE_EQ(ThetaCritical::shields(151.0), 0.055);
    // The fit jumps by up to about 4 % at its joints.
    for (double dStar : {4.0, 10.0, 20.0, 150.0})
        EXPECT_NEAR(ThetaCritical::shields(dStar) / ThetaCritical::shields(dStar * (1 + 1e-9)), 1.0, 0.045) << dStar;
}

TEST(ShieldsCurve, CalibrationAndPerMaterialConstants)
{
    // D* of 0.2 mm = 5.06: 0.14 D*^-0.64, times 1.2
    const SedCase cal("( 0.2 20.0 )", "bedload_transport = mpm_multi\n critical_shear_stress_calibration = 1.2");
    const double dStar = 0.0002 * std::cbrt(1.65 * kG / 1e-12);
    EXPECT_NEAR(cal.theta->value(0), 1.2 * 0.14 * std::pow(dStar, -0.64), 1e-14);
    EXPECT_FALSE(cal.theta->isConstant());

    const SedCase idx("( 0.2 20.0 )", "bedload_transport = mpm_multi\n theta_critical = ( 0.03 0.05 )\n "
                                      "theta_critical_index = ( 3 7 )");
    EXPECT_TRUE(idx.theta->isConstant());
    EXPECT_EQ(idx.theta->classValues(7)[1], 0.05);
    EXPECT_EQ(idx.theta->classValues(3)[0], 0.03);
    EXPECT_DOUBLE_EQ(idx.theta->classValues(1)[1], 0.055);  // no value of its own: the curve
}

TEST(GrainMixture, CharacteristicDiameters)
{
    const SedCase c("( 2.0 10.0 40.0 )", "bedload_transport = mpm_multi");
    const GrainMixture m(*c.params, {0.2, 0.5, 0.3});
    EXPECT_NEAR(m.meanDiameter(), 0.0174, 1e-15);
    EXPECT_NEAR(m.geometricMeanDiameter(), 0.010985605433061174, 1e-15);
    EXPECT_NEAR(m.geometricStdDeviation(), 1.5032893118842188, 1e-12);
    // cumulative 0.2 / 0.7 / 1.0: linear between the enclosing classes
    EXPECT_NEAR(m.diameterAt(0.9), 0.03, 1e-15);
    EXPECT_NEAR(m.diameterAt(0.5), 0.0068, 1e-15);
    EXPECT_DOUBLE_EQ(m.diameterAt(0.1), 0.002);
    EXPECT_DOUBLE_EQ(m.diameterAt(1.0), 0.04);

    const SedCase one("( 20.0 )", "bedload_transport = mpm");
    const GrainMixture single(*one.params, {1.0});
    EXPECT_DOUBLE_EQ(single.meanDiameter(), 0.02);
    EXPECT_DOUBLE_EQ(single.geometricMeanDiameter(), 0.02);
    EXPECT_NEAR(single.geometricStdDeviation(), 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(single.diameterAt(0.9), 0.02);
}

TEST(SedParameters, DerivedValues)
{
    const SedCase c("( 20.0 )", "bedload_transport = mpm\n d90 = 30\n d30 = 10");
    const SedParameters& p = *c.params;
    EXPECT_DOUBLE_EQ(p.rhoS(), 2650.0);  // schema default
    EXPECT_DOUBLE_EQ(p.sMinus1(), 1.65);
    EXPECT_DOUBLE_EQ(p.porosity(), 0.35);
    EXPECT_DOUBLE_EQ(p.reposeAngleDeg(), 30.0);
    EXPECT_NEAR(p.tanRepose(), 1.0 / std::sqrt(3.0), 1e-15);
    EXPECT_DOUBLE_EQ(p.d90d30Ratio(), 3.0);
    EXPECT_DOUBLE_EQ(p.minThetaCritic(), 0.02);
    EXPECT_DOUBLE_EQ(p.hidingExponent(-1.5), -1.5);  // no user value
    EXPECT_NEAR(p.dStar(0.02), 505.91898800426935, 1e-9);
    EXPECT_DOUBLE_EQ(SedCase("( 20.0 )", "bedload_transport = mpm").params->d90d30Ratio(), -1.0);
}

TEST(SedParameters, WrongGrainSizesStopTheRun)
{
    MorphologySettings m;
    m.density = 2650.0;
    m.porosity = 0.35;
    const BedloadSettings b;
    auto fatal = [&](std::vector<double> d) -> std::string {
        try {
            SedParameters p(d, m, b, FluidProperties{});
        } catch (const FatalError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(fatal({0.001, 0.0}), "Grain sizes must be > 0");
    EXPECT_EQ(fatal({0.002, 0.002}), "Grain sizes must be in strictly ascending order");
    EXPECT_EQ(fatal({0.002, 0.004}), "no error");
}

TEST(ControlVolume, ThicknessLaws)
{
    const SedCase c("( 2.0 10.0 40.0 )", "bedload_transport = mpm_multi");
    const GrainMixture m(*c.params, {0.2, 0.5, 0.3});
    MorphologySettings s = *c.settings.morphology;
    s.controlVolumeType = ControlVolumeType::Dmean;
    s.controlVolumeFactor = 2.0;
    EXPECT_NEAR(createBedloadContrVol(s)->thickness(m), 0.06, 1e-15);  // 2 d90
    s.controlVolumeFactor = 1e-6;
    EXPECT_DOUBLE_EQ(createBedloadContrVol(s)->thickness(m), 1e-5);

    s.controlVolumeType = ControlVolumeType::Constant;
    s.controlVolumeThickness = 0.15;
    EXPECT_TRUE(createBedloadContrVol(s)->isConstant());
    EXPECT_DOUBLE_EQ(createBedloadContrVol(s)->thickness(m), 0.15);

    // Borah: the coarsest class present, d_L / ((1 - p) p_L)
    BedloadContrVolBorah borah(0.35);
    EXPECT_NEAR(borah.thickness(m), 0.04 / (0.65 * 0.3), 1e-15);
    const GrainMixture fine(*c.params, {0.4, 0.6, 0.0});
    EXPECT_NEAR(borah.thickness(fine), 0.01 / (0.65 * 0.6), 1e-15);
    borah.update(fine);
    borah.update(GrainMixture(*c.params, {0.0, 0.5, 0.5}));
    EXPECT_EQ(borah.smallestClassInUse(), 0);
    EXPECT_EQ(borah.largestClassInUse(), 2);

    EXPECT_EQ(controlVolumeTypeFromWord("Borah"), ControlVolumeType::Borah);
    EXPECT_THROW(controlVolumeTypeFromWord("layer"), FatalError);
}
