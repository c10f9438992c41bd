#pragma once
// Discharge per unit width under a vertical sluice gate [m2/s].
//
// Opening a = z_gate - z_bed, upstream depth y1 = z_up - z_bed, tailwater depth
// y3 = z_down - z_bed. With the gate in the water (y1 > a), free flow follows
// the energy equation between the upstream section and the vena contracta of
// depth Cc a (Henderson, Open Channel Flow, 1966, sec. 6.6):
//   q = Cd a sqrt(2 g y1),  Cd = Cc / sqrt(1 + Cc a / y1),  Cc = 0.61 unless the caller gives
// its own contraction,
// or q = my a sqrt(2 g y1) with a given factor my >= 0. A tailwater above the
// vena contracta drowns the jet: the head is reduced linearly to 0 at y3 = y1,
// q = q_free sqrt(1 - s), s = (y3 - Cc a) / (y1 - Cc a) in [0, 1].
// The gate never passes more than the broad-crested weir at its sill,
// q = sqrt(g) (2 y1 / 3)^(3/2) times the weir's submergence factor, which also
// covers a gate lifted out of the water.
namespace Flumaris {

inline constexpr double kGateContraction = 0.61;

// A negative opening is a fatal error.
double gateDischarge(double zGate, double zUp, double zDown, double zBed, double my, double g,
                     double contraction = kGateContraction);

}  // namespace Flumaris
