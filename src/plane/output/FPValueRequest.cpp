#include "plane/output/FPValueRequest.h"

#include <algorithm>

#include "core/FlumAssert.h"

namespace FlumPlane {

std::string ValueRequest::label() const {
    switch (kind) {
        case TrackKind::Max: return "max_" + name;
        case TrackKind::Min: return "min_" + name;
        case TrackKind::Integrate: return "integrate_" + name;
        case TrackKind::Plain: break;
    }
    return name;
}

ValueRequest parseValueRequest(const std::string& text) {
    static const struct {
        const char* prefix;
        TrackKind kind;
    } forms[] = {{"max[", TrackKind::Max}, {"min[", TrackKind::Min}, {"integrate[", TrackKind::Integrate}};
    for (const auto& f : forms) {
        const std::string p = f.prefix;
        if (text.size() > p.size() + 1 && text.compare(0, p.size(), p) == 0 && text.back() == ']')
            return {text.substr(p.size(), text.size() - p.size() - 1), f.kind};
    }
    return {text, TrackKind::Plain};
}

std::vector<ValueRequest> parseValueRequests(const std::vector<std::string>& texts) {
    std::vector<ValueRequest> out;
    out.reserve(texts.size());
    for (const std::string& t : texts) out.push_back(parseValueRequest(t));
    return out;
}

FPTracker::FPTracker(TrackKind kind, std::size_t size) : kind_(kind), values_(size, 0.0) {
    FLUM_ASSERT(kind != TrackKind::Plain);
}

void FPTracker::reset(std::span<const double> values) {
    FLUM_ASSERT(values.size() == values_.size());
    if (kind_ == TrackKind::Integrate) std::fill(values_.begin(), values_.end(), 0.0);
    else std::copy(values.begin(), values.end(), values_.begin());
}

void FPTracker::update(std::span<const double> values, double dt) {
    FLUM_ASSERT(values.size() == values_.size());
    const std::size_t n = values_.size();
    double* v = values_.data();
    const double* x = values.data();
    switch (kind_) {
        case TrackKind::Max:
            for (std::size_t i = 0; i < n; ++i) v[i] = std::max(v[i], x[i]);
            break;
        case TrackKind::Min:
            for (std::size_t i = 0; i < n; ++i) v[i] = std::min(v[i], x[i]);
            break;
        case TrackKind::Integrate:
            for (std::size_t i = 0; i < n; ++i) v[i] += x[i] * dt;
            break;
        case TrackKind::Plain: break;
    }
}

}  // namespace FlumPlane
