#pragma once
// Discharge per unit crest length over a weir [m2/s]:
//   q = sigma * (2/3) * mu * sqrt(2 g h^3),  h = z_up - z_w,
// with the Poleni coefficient mu either given or taken from the relative head
// h / P (P = z_w - z_b, the weir height), and the submergence factor sigma(r),
// r = (z_down - z_w) / h, piecewise linear from 1 (free flow) to 0 (r = 1).
// The caller decides the flow direction (the higher side is "up") and multiplies
// by the crest length.

namespace Flumaris {

class WeirCalc {
public:
    // A negative coefficient selects the coefficient from the relative head.
    explicit WeirCalc(double poleni);

    bool poleniFromFormula() const { return poleniFromFormula_; }
    // The coefficient used for the given levels.
    double poleni(double zWeir, double zUp, double zBed) const;
    // mu(h/P): 0.611 + 0.08 r below 10, 1.135 up to 20, 1.06 r^1.5 above;
    // any value above 1.5 becomes 1.0.
    static double poleniFromRelativeHead(double relativeHead);

    // Free flow; no flow (0) when z_up is not above the crest.
    double freeDischarge(double zWeir, double zUp, double zBed) const;
    // With the submergence factor; eps is the tolerance on the tailwater level.
    double discharge(double zWeir, double zUp, double zDown, double zBed, double eps) const;
    // 1 while z_down <= z_w + eps; a caller that lets z_up sink to the crest or
    // z_down below it gets an internal error.
    static double submergenceFactor(double zWeir, double zUp, double zDown, double eps);

private:
    double poleni_;
    bool poleniFromFormula_;
};

}  // namespace Flumaris
