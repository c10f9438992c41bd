#include "tools/FTMesh2D.h"

#include <cmath>
#include <numeric>

#include "core/FlumAssert.h"

namespace FLUMtools {

std::string FTField::columnName(int component) const {
    if (components == 1) return name;
    if (!componentNames.empty()) return name + "_" + componentNames.at(static_cast<std::size_t>(component));
    if (components <= 3) {
        static const char* const axis[] = {"x", "y", "z"};
        return name + "_" + axis[component];
    }
    return name + "_" + std::to_string(component + 1);
}

FTMesh2D::FTMesh2D(std::vector<double> x, std::vector<double> y, std::vector<double> z, std::vector<Element> elements)
    : x_(std::move(x)), y_(std::move(y)), z_(std::move(z)), elements_(std::move(elements)) {
    FLUM_ASSERT(x_.size() == y_.size() && x_.size() == z_.size());
    const auto n = static_cast<std::int32_t>(x_.size());
    for (const Element& el : elements_) {
        for (int k = 0; k < 3; ++k) FLUM_ASSERT(el[k] >= 0 && el[k] < n);
        FLUM_ASSERT(el[3] == noNode || (el[3] >= 0 && el[3] < n));
    }
    nodeIds_.resize(x_.size());
    std::iota(nodeIds_.begin(), nodeIds_.end(), 1);
    elementIds_.resize(elements_.size());
    std::iota(elementIds_.begin(), elementIds_.end(), 1);
    computeCentres();
}

void FTMesh2D::setZ(std::vector<double> z) {
    FLUM_ASSERT(z.size() == x_.size());
    z_ = std::move(z);
}

void FTMesh2D::setNodeIds(std::vector<std::int64_t> ids) {
    FLUM_ASSERT(ids.size() == x_.size());
    nodeIds_ = std::move(ids);
}

void FTMesh2D::setElementIds(std::vector<std::int64_t> ids) {
    FLUM_ASSERT(ids.size() == elements_.size());
    elementIds_ = std::move(ids);
}

double FTMesh2D::signedArea(std::size_t e) const {
    const Element& el = elements_[e];
    const int n = cornerCount(e);
    double a = 0.0;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(el[k]);
        const auto j = static_cast<std::size_t>(el[(k + 1) % n]);
        a += x_[i] * y_[j] - x_[j] * y_[i];
    }
    return 0.5 * a;
}

double FTMesh2D::centreZ(std::size_t e) const {
    const Element& el = elements_[e];
    const int n = cornerCount(e);
    double s = 0.0;
    for (int k = 0; k < n; ++k) s += z_[static_cast<std::size_t>(el[k])];
    return s / n;
}

void FTMesh2D::computeCentres() {
    cx_.assign(elements_.size(), 0.0);
    cy_.assign(elements_.size(), 0.0);
    for (std::size_t e = 0; e < elements_.size(); ++e) {
        const Element& el = elements_[e];
        const int n = cornerCount(e);
        // Centroid relative to the first corner keeps large map coordinates exact.
        const double x0 = x_[static_cast<std::size_t>(el[0])], y0 = y_[static_cast<std::size_t>(el[0])];
        double a = 0.0, sx = 0.0, sy = 0.0, mx = 0.0, my = 0.0;
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(el[k]);
            const auto j = static_cast<std::size_t>(el[(k + 1) % n]);
            const double xi = x_[i] - x0, yi = y_[i] - y0, xj = x_[j] - x0, yj = y_[j] - y0;
            const double c = xi * yj - xj * yi;
            a += c;
            sx += (xi + xj) * c;
            sy += (yi + yj) * c;
            mx += xi;
            my += yi;
        }
        if (std::abs(a) > 0.0) {
            cx_[e] = x0 + sx / (3.0 * a);
            cy_[e] = y0 + sy / (3.0 * a);
        } else {  // degenerate element: vertex mean
            cx_[e] = x0 + mx / n;
            cy_[e] = y0 + my / n;
        }
    }
}

std::vector<std::int32_t> FTMesh2D::quadNodeMap(bool oneBased) const {
    std::vector<std::int32_t> map;
    map.reserve(4 * elements_.size());
    const std::int32_t off = oneBased ? 1 : 0;
    for (const Element& el : elements_) {
        const std::int32_t last = el[3] == noNode ? el[2] : el[3];
        map.insert(map.end(), {el[0] + off, el[1] + off, el[2] + off, last + off});
    }
    return map;
}

}  // namespace FLUMtools
