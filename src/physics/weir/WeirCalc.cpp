#include "physics/weir/WeirCalc.h"

#include <cmath>
#include <sstream>

#include "core/Flumaris.h"
#include "core/MessageService.h"

namespace Flumaris {

WeirCalc::WeirCalc(double poleni) : poleni_(poleni), poleniFromFormula_(poleni < 0.0) {}

double WeirCalc::poleniFromRelativeHead(double relativeHead) {
    double mu;
    if (relativeHead < 10.0)
        mu = 0.611 + 0.08 * relativeHead;
    else if (relativeHead < 20.0)
        mu = 1.135;
    else
        mu = 1.06 * std::pow(relativeHead, 1.5);
    return mu > 1.5 ? 1.0 : mu;
}

double WeirCalc::poleni(double zWeir, double zUp, double zBed) const {
    if (!poleniFromFormula_) return poleni_;
    return poleniFromRelativeHead((zUp - zWeir) / (zWeir - zBed));
}

double WeirCalc::freeDischarge(double zWeir, double zUp, double zBed) const {
    const double h = zUp - zWeir;
    if (h <= 0.0) return 0.0;
    const double q = 2.0 / 3.0 * poleni(zWeir, zUp, zBed) * settings().sqrtTwoGravity() * h * std::sqrt(h);
    if (q < 0.0) {
        std::ostringstream s;
        s << "Negative weir discharge (q = " << q << " m2/s) calculated.\nCheck out weirCalc";
        fatal(s.str());
    }
    return q;
}

double WeirCalc::discharge(double zWeir, double zUp, double zDown, double zBed, double eps) const {
    const double sigma = submergenceFactor(zWeir, zUp, zDown, eps);
    return sigma * freeDischarge(zWeir, zUp, zBed);
}

double WeirCalc::submergenceFactor(double zWeir, double zUp, double zDown, double eps) {
    if (zDown <= zWeir + eps) return 1.0;
    const double h = zUp - zWeir;
    if (h <= 0.0) {
        fatal("wse_high is below weir level although this was checked before!\nCheck out weirCalc");
        return 0.0;
    }
    double r = (zDown - zWeir) / h;
    if (r < 0.0) {
        fatal("ration for weir reduction factor below zero!\nCheck out weirCalc");
        return 0.0;
    }
    if (r > 1.0) r = 1.0;
    if (r <= 0.3) return 1.0 - r / 3.0;
    if (r <= 0.5) return 1.05 - 0.5 * r;
    if (r <= 0.8) return 1.133333333333 - 2.0 / 3.0 * r;
    if (r <= 0.95) return 1.666666666666 - 4.0 / 3.0 * r;
    return 8.0 - 8.0 * r;
}

}  // namespace Flumaris
