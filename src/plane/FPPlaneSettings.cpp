#include "plane/FPPlaneSettings.h"

#include "input/schema/InputBlock.h"
#include "input/schema/InputWords.h"

namespace FlumPlane {

EulerSettings eulerSettingsFromBlock(const FLUMparse::InputBlock& hydraulics) {
    static constexpr std::pair<const char*, VelocityUpdate> kVelocity[] = {{"volume_area", VelocityUpdate::VolumeArea},
                                                                           {"depth", VelocityUpdate::Depth}};
    static constexpr std::pair<const char*, BoundaryGradient> kGradient[] = {
        {"zerogradient", BoundaryGradient::ZeroGradient}, {"zerovelocity", BoundaryGradient::ZeroVelocity}};
    const FLUMparse::InputBlock& par = hydraulics.childOrDefaults("PARAMETER");
    EulerSettings s;
    s.hmin = par.getTag("minimum_water_depth").asDouble();
    s.solver = riemannSolverKind(par.getTag("riemann_solver").asString());
    s.riemannTolerance = par.getTag("riemann_tolerance").asDouble();
    s.dynamicDepth = par.getTag("dynamic_depth_solver").asBool();
    s.velocityUpdate = FLUMparse::wordToEnum(par.getTag("velocity_update_partial"), kVelocity);
    if (const FLUMparse::InputBlock* tm = hydraulics.getChild("TURBULENCE_MODEL")) {
        s.turbulence = true;
        TurbulenceSettings& t = s.turbulenceSettings;
        t.constEddyViscosity = tm->getTag("const_eddy_viscosity").asDouble();
        t.factor = tm->getTag("turbulence_factor").asDouble();
        t.kinematicViscosity = tm->getTag("kinematic_viscosity").asDouble();
        t.boundary = FLUMparse::wordToEnum(tm->getTag("boundary_gradient"), kGradient);
    }
    return s;
}

GridCheckThresholds gridThresholdsFromBlock(const FLUMparse::InputBlock& hydraulics) {
    const FLUMparse::InputBlock& par = hydraulics.childOrDefaults("PARAMETER");
    GridCheckThresholds th;
    th.minAreaRatio = par.getTag("geo_min_area_ratio").asDouble();
    th.minAspectRatio = par.getTag("geo_min_aspect_ratio").asDouble();
    th.maxAngleQuadrilateral = par.getTag("geo_max_angle_quadrilateral").asDouble();
    return th;
}

TimeStepSettings timeStepSettingsFromBlock(const FLUMparse::InputBlock& ts) {
    TimeStepSettings s;
    s.cfl = ts.getTag("CFL").asDouble();
    s.minimum = ts.getTag("minimum_time_step").asDouble();
    s.maximum = ts.getTag("maximum_time_step").asDouble();
    s.initial = ts.getTag("initial_time_step").asDouble();
    s.ignoreWaveCelerity = ts.getTag("ignore_wave_celerity").asBool();
    s.maximumWaterDepth = ts.getTag("maximum_waterdepth").asDouble();
    return s;
}

}  // namespace FlumPlane
