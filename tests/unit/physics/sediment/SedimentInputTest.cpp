// The sediment keys through the parser and the validation, as `-t` sees them,
// and the settings built from the validated blocks.
#include <gtest/gtest.h>

#include "SedimentTestSupport.h"
#include "core/MessageService.h"
#include "physics/suspended/SuspensionSettings.h"

using namespace sedtest;
using FLUMparse::FlumarisInputRoot;
using FLUMparse::InputParser;

namespace {

std::string parseError(const std::string& text)
{
    FlumarisInputRoot root;
    try {
        InputParser(true).parseText(text, root);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "no error";
}

std::string report(const std::string& text)
{
    FlumarisInputRoot root;
    InputParser(true).parseText(text, root);
    return root.validate().text;
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

const std::string kChain = "PROJECT {\n}\nDOMAIN {\n FLUMCHAIN_1D {\n  region_name = river\n  MORPHOLOGY {\n";

}  // namespace

TEST(SedimentInput, WrongFormulaWordIsRejectedWithTheValidWords)
{
    const std::string valid = "mpm, mpmh, mpm_multi, parker, power_law, powerlaw, rickenmann, smartjaeggi, "
                              "smartjaeggi_multi, vanrijn, wu";
    EXPECT_EQ(parseError(commandFile2d("BEDLOAD {\n PARAMETER {\n bedload_transport = meyer\n }\n}")),
              "Tag value error near line 7, col 27: Expression 'meyer' is not a valid value for tag "
              "'bedload_transport'. Allowed values are " + valid);
    EXPECT_TRUE(contains(parseError(kChain + "BEDLOAD {\n PARAMETER {\n bedload_transport = MPM\n }\n}\n}\n}\n}\n"),
                "Allowed values are " + valid));
    // The formula is required.
    EXPECT_TRUE(contains(report(commandFile2d("BEDLOAD {\n PARAMETER {\n bedload_factor = 0.5\n }\n}")),
                         "Tag 'bedload_transport' is mandatory but missing."));
}

TEST(SedimentInput, CrossKeyMistakesInTheValidationReport)
{
    const std::string grains = report(commandFile2d(morphology("( 8.0 2.0 )", "bedload_transport = mpm_multi")));
    EXPECT_TRUE(contains(grains, "Grain sizes must be in strictly ascending order")) << grains;
    EXPECT_TRUE(contains(report(commandFile2d(morphology("( 0.0 2.0 )", "bedload_transport = mpm_multi"))),
                         "Grain sizes must be > 0"));

    const std::string theta = report(commandFile2d(
        morphology("( 2.0 8.0 )", "bedload_transport = mpm_multi\n theta_critical = ( 0.04 0.05 )")));
    EXPECT_TRUE(contains(theta, "'theta_critical' has been specified in PARAMETER block for BEDLOAD but "
                                "'theta_critical_index' is missing. Please specify 'theta_critical_index'!"))
        << theta;
    EXPECT_TRUE(contains(report(commandFile2d(morphology("( 2.0 8.0 )", "bedload_transport = mpm_multi\n "
                                                                        "theta_critical_index = ( 1 )"))),
                         "'theta_critical_index' has been specified in PARAMETER block for BEDLOAD but "
                         "'theta_critical' is missing. Please specify 'theta_critical'!"));
    EXPECT_TRUE(contains(report(commandFile2d(morphology(
                             "( 2.0 8.0 )", "bedload_transport = mpm_multi\n theta_critical = ( 0.04 0.05 )\n "
                                            "theta_critical_index = ( 1 )"))),
                         "Number of entries in 'theta_critical_index' and 'theta_critical' do not match in "
                         "PARAMETER block for BEDLOAD."));
    // One value without index is the constant everywhere.
    EXPECT_FALSE(contains(report(commandFile2d(morphology("( 2.0 )", "bedload_transport = mpm\n theta_critical = ( 0.04 )"))),
                          "theta_critical"));

    const std::string layers = report(commandFile2d(
        "PARAMETER {\n porosity = 35\n density = 3300\n control_volume_thickness = 0.2\n create_new_layers = on\n "
        "max_layer_thickness = 0.1\n}"));
    EXPECT_TRUE(contains(layers, "Your defined density = 3300 seems to be out of range of common values. Are you "
                                 "really sure the input is correct?"));
    EXPECT_TRUE(contains(layers, "The 'max_layer_thickness' is smaller than the thickness of the bed-load control "
                                 "volume 'control_volume_thickness'. This is not permitted. Please correct the "
                                 "input."));
    // d90 and d30 are required by the formulas that use them.
    EXPECT_TRUE(contains(report(commandFile2d(morphology("( 20.0 )", "bedload_transport = rickenmann\n d90 = 30"))),
                         "d30"));
}

TEST(SedimentInput, SettingsTakeTheSchemaDefaults)
{
    const SedCase c("( 20.0 )", "bedload_transport = powerlaw");
    const BedloadSettings& b = *c.settings.bedload;
    EXPECT_EQ(b.formula, BedloadFormula::PowerLaw);
    EXPECT_DOUBLE_EQ(b.bedloadFactor, 1.0);
    EXPECT_DOUBLE_EQ(b.calibration, 1.0);
    EXPECT_FALSE(b.hidingExponent.has_value());
    EXPECT_DOUBLE_EQ(b.alpha, 1.05);
    EXPECT_TRUE(b.thetaCritical.empty());
    EXPECT_DOUBLE_EQ(b.d90, -1.0);
    const MorphologySettings& m = *c.settings.morphology;
    EXPECT_EQ(m.controlVolumeType, ControlVolumeType::Constant);
    EXPECT_DOUBLE_EQ(m.density, 2650.0);
    EXPECT_DOUBLE_EQ(m.angleOfRepose, 30.0);
    EXPECT_FALSE(c.settings.suspension.has_value());
}

TEST(SedimentInput, OneDimensionalBlocks)
{
    FlumarisInputRoot root;
    InputParser(true).parseText(
        kChain + "BEDMATERIAL {\n GRAIN_CLASS {\n diameters = ( 0.3 1.0 )\n }\n}\n"
                 "PARAMETER {\n porosity = 30\n control_volume_type = dmean\n}\n"
                 "BEDLOAD {\n PARAMETER {\n bedload_transport = smartjaeggi\n d90 = 2\n d30 = 0.5\n "
                 "theta_critical = 0.05\n angle_of_repose = 35\n use_energy_slope = on\n hiding_exponent = -0.8\n }\n}\n"
                 "SUSPENDED_LOAD {\n PARAMETER {\n sink_velocity_type = wuwang\n shape_factor = 0.5\n "
                 "concentration_type = zysermann\n use_transport_type_factor = yes\n transport_type_factor = bagnold\n "
                 "pickup_factor = ( 1.0 0.5 )\n }\n}\n}\n}\n}\n",
        root);
    EXPECT_EQ(root.validate().text, "Input file has been successfully parsed and passed preliminary validation");
    const SedimentSettings s =
        SedimentSettings::fromBlock(root.getBlock("DOMAIN").getBlock("FLUMCHAIN_1D").getBlock("MORPHOLOGY"));
    EXPECT_EQ(s.diameters, (std::vector<double>{0.0003, 0.001}));
    EXPECT_EQ(s.morphology->controlVolumeType, ControlVolumeType::Dmean);
    EXPECT_EQ(s.bedload->formula, BedloadFormula::SmartJaeggi);
    EXPECT_EQ(s.bedload->thetaCritical, std::vector<double>{0.05});
    EXPECT_TRUE(s.bedload->useEnergySlope);
    EXPECT_DOUBLE_EQ(*s.bedload->hidingExponent, -0.8);
    EXPECT_DOUBLE_EQ(s.bedload->d30, 0.0005);
    const SedParameters p(s.diameters, *s.morphology, *s.bedload, FluidProperties{});
    EXPECT_DOUBLE_EQ(p.reposeAngleDeg(), 35.0);  // the 1-D key of the bed-load block
    EXPECT_DOUBLE_EQ(p.hidingExponent(-1.5), -0.8);
    const SuspensionSettings& susp = *s.suspension;
    EXPECT_EQ(susp.sinkVelocity, SinkVelocityType::WuWang);
    EXPECT_DOUBLE_EQ(susp.shapeFactor, 0.5);
    EXPECT_EQ(susp.concentration, NearBedConcentrationType::Zyserman);
    EXPECT_TRUE(susp.useTransportTypeFactor);
    EXPECT_EQ(susp.transportTypeFactor, TransportTypeFactorType::Bagnold);
    EXPECT_EQ(susp.pickupFactors, (std::vector<double>{1.0, 0.5}));
}
