#include "section/SectionTables.h"

#include <algorithm>
#include <cmath>

#include "core/FlumAssert.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/resistance/ResistanceCalc.h"
#include "section/PartConveyance.h"

namespace Flumaris {

SectionTables::SectionTables(std::vector<CrossSectionSlice> slices, const ResistanceCalc& law, double maxInterval,
                             double spacing)
    : slices_(std::move(slices)), law_(law), sqrtG_(settings().sqrtGravity()) {
    std::vector<double> nodes;
    for (const CrossSectionSlice& s : slices_) {
        if (s.kValue_ < 0.0)
            fatal("there are slices without friction value or soil type defined. Program can not continue");
        nodes.push_back(s.leftPoint_[2]);
        nodes.push_back(s.rightPoint_[2]);
    }
    FLUM_ASSERT_MSG(!nodes.empty(), "a section needs at least one slice");
    std::sort(nodes.begin(), nodes.end());
    nodes.erase(std::unique(nodes.begin(), nodes.end()), nodes.end());
    nodes.push_back(nodes.back() + std::max(maxInterval, spacing));
    // The node levels are the significant levels; between them the spacing.
    for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
        const int n = std::max(1, static_cast<int>(std::ceil((nodes[k + 1] - nodes[k]) / spacing)));
        for (int j = 0; j < n; ++j) z_.push_back(nodes[k] + (nodes[k + 1] - nodes[k]) * j / n);
    }
    z_.push_back(nodes.back());
    for (double z : z_) {
        A_.push_back(area(z));
        P_.push_back(perimeter(z));
        K_.push_back(conveyance(z));
    }
}

double SectionTables::area(double z) const {
    double a = 0.0;
    for (const CrossSectionSlice& s : slices_) a += s.area(z);
    return a;
}

double SectionTables::perimeter(double z) const {
    double p = 0.0;
    for (const CrossSectionSlice& s : slices_) p += s.perimeter(z);
    return p;
}

double SectionTables::conveyanceOf(double A, double P, double k) const {
    return partConveyance(A, P, k, law_, 1.0, settings().gravity(), sqrtG_);
}

double SectionTables::conveyance(double z) const {
    double A = 0.0, P = 0.0, kP = 0.0;
    for (const CrossSectionSlice& s : slices_) {
        if (!s.flownThrough_) continue;
        const double p = s.perimeter(z);
        A += s.area(z);
        P += p;
        kP += p * s.kValue_;
    }
    return P > 0.0 ? conveyanceOf(A, P, kP / P) : 0.0;
}

double SectionTables::sliceConveyance(std::size_t k, double z) const {
    const CrossSectionSlice& s = slices_[k];
    return conveyanceOf(s.area(z), s.perimeter(z), s.kValue_);
}

double SectionTables::interpolate(const std::vector<double>& column, double z) const {
    if (z <= z_.front()) return column.front();
    const auto it = std::upper_bound(z_.begin(), z_.end(), z);
    if (it == z_.end()) return column.back();
    const std::size_t i = static_cast<std::size_t>(it - z_.begin()) - 1;
    const double w = (z - z_[i]) / (z_[i + 1] - z_[i]);
    return (1.0 - w) * column[i] + w * column[i + 1];
}

double SectionTables::tableArea(double z) const { return z > z_.back() ? area(z) : interpolate(A_, z); }

double SectionTables::tableConveyance(double z) const { return z > z_.back() ? conveyance(z) : interpolate(K_, z); }

bool SectionTables::levelForConveyance(double K, double precision, int maxIterations, double& z) const {
    if (K <= 0.0) {
        z = z_.front();
        return true;
    }
    // Bracket [lo, hi] with K(lo) < K <= K(hi); the table top may be raised.
    double lo = z_.front(), hi = z_.back();
    double flo = -K, fhi = tableConveyance(hi) - K;
    while (fhi < 0.0) {
        hi += z_.back() - z_.front();
        fhi = tableConveyance(hi) - K;
    }
    double zOld = lo, zNew = hi;
    int side = 0;
    for (int it = 0; it < maxIterations; ++it) {
        // Secant through the bracket ends (Illinois-modified regula falsi).
        zNew = hi - fhi * (hi - lo) / (fhi - flo);
        const double f = tableConveyance(zNew) - K;
        if (std::fabs(zNew - zOld) < precision || f == 0.0) {
            z = zNew;
            return true;
        }
        if (f > 0.0) {
            hi = zNew;
            fhi = f;
            if (side == 1) flo *= 0.5;
            side = 1;
        } else {
            lo = zNew;
            flo = f;
            if (side == -1) fhi *= 0.5;
            side = -1;
        }
        zOld = zNew;
    }
    z = zNew;
    return false;
}

}  // namespace Flumaris
