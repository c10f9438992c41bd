#pragma once
// The hydraulic values of a 1-D element's section at its current wetted area,
// in the order the flux, source and sediment code read them.
namespace Flumaris {

struct SectionState {
    double z = 0.0;            // water-surface elevation [m]
    double A = 0.0;            // total wetted area [m2]
    double reducedArea = 0.0;  // flowing area [m2]
    double beta = 1.0;         // momentum-correction factor [-]
    double K = 0.0;            // conveyance [m3/s]
    double B = 0.0;            // surface width [m]
    double P = 0.0;            // wetted perimeter of the flowing part [m]
    double meanDepth = 0.0;    // flowing area over flowing surface width [m]
    double friction = 0.0;     // perimeter-weighted friction value
};

}  // namespace Flumaris
