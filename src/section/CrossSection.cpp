#include "section/CrossSection.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <ostream>

#include "core/FlumAssert.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/resistance/ResistanceCalc.h"
#include "section/PartConveyance.h"

namespace Flumaris {

namespace {

// The assertion takes a C string; the section name belongs in the report.
[[noreturn]] void sectionAssert(const std::string& text, const char* file, int line) {
    assertionFailed(text.c_str(), file, line, __DATE__, __TIME__);
}

}  // namespace

CrossSection::CrossSection(std::string name, double lCoord, double referenceHeight)
    : sectionName_(std::move(name)), lCoord_(lCoord), referenceHeight_(referenceHeight) {}

void CrossSection::addNode(double y, double z) {
    FLUM_ASSERT_MSG(sliceNodes_.empty() || y >= sliceNodes_.back()[1], "new node has y < than y of last");
    const double zAbs = z + referenceHeight_;
    ground_ = sliceNodes_.empty() ? zAbs : std::min(ground_, zAbs);
    sliceNodes_.push_back(Point{lCoord_, y, zAbs});
}

void CrossSection::formSlices() {
    slices_.clear();
    slices_.reserve(sliceNodes_.size());
    for (std::size_t i = 0; i + 1 < sliceNodes_.size(); ++i) {
        CrossSectionSlice s(sliceNodes_[i], sliceNodes_[i + 1]);
        s.activ_ = 1;
        slices_.push_back(s);
    }
    const int n = static_cast<int>(slices_.size());
    startMain_ = startBottom_ = startBottomOriginal_ = 1;
    stopMain_ = stopBottom_ = stopBottomOriginal_ = n;
}

void CrossSection::setActiveRange(int first, int last) {
    for (int i = 1; i <= static_cast<int>(slices_.size()); ++i)
        slices_[static_cast<std::size_t>(i - 1)].activ_ = (i >= first && i <= last) ? 1 : 0;
}

void CrossSection::setMainChannel(int first, int last) {
    startMain_ = first;
    stopMain_ = last;
    for (int i = 1; i <= static_cast<int>(slices_.size()); ++i) {
        CrossSectionSlice& s = slices_[static_cast<std::size_t>(i - 1)];
        s.isMainChannel_ = i >= first && i <= last;
        s.channelTypeSet_ = true;
    }
}

void CrossSection::setBottomRange(int first, int last, bool defined) {
    startBottom_ = startBottomOriginal_ = first;
    stopBottom_ = stopBottomOriginal_ = last;
    bottomDefined_ = defined;
    for (int i = 1; i <= static_cast<int>(slices_.size()); ++i)
        slices_[static_cast<std::size_t>(i - 1)].bottom_ = i >= first && i <= last;
}

void CrossSection::setFlowingRange(int first, int last) {
    for (int i = 1; i <= static_cast<int>(slices_.size()); ++i)
        slices_[static_cast<std::size_t>(i - 1)].flownThrough_ = i >= first && i <= last;
}

void CrossSection::setFriction(int first, int last, double k) {
    for (int i = first; i <= last; ++i) slices_[static_cast<std::size_t>(i - 1)].kValue_ = k;
}

void CrossSection::setSoil(int first, int last, int soil) {
    for (int i = first; i <= last; ++i) slices_[static_cast<std::size_t>(i - 1)].soil_ = soil;
}

void CrossSection::setFrictionLaw(const ResistanceCalc* law, double defaultFriction) {
    law_ = law;
    defaultFriction_ = defaultFriction;
}

double CrossSection::sliceFriction(const CrossSectionSlice& s) const {
    if (!soilFriction_.empty() && s.soil_ >= 0 && s.width_ > 0.0 &&
        static_cast<std::size_t>(s.soil_) < soilFriction_.size())
        return soilFriction_[static_cast<std::size_t>(s.soil_)];
    return s.kValue_;
}

void CrossSection::checkFriction() const {
    for (const CrossSectionSlice& s : slices_)
        if (s.activ_ && s.flownThrough_ && sliceFriction(s) < 0.0)
            fatal("there are slices without friction value or soil type defined. Program can not continue");
}

void CrossSection::prepare() {
    if (slices_.empty()) sectionAssert("this->getNumSlices() > 0 failed for cs " + sectionName_, __FILE__, __LINE__);
    FLUM_ASSERT_MSG(law_ != nullptr, "a section needs its friction law before prepare()");
    g_ = settings().gravity();
    sqrtG_ = settings().sqrtGravity();
    checkFriction();
    activeSlices_.clear();
    for (std::size_t i = 0; i < slices_.size(); ++i)
        if (slices_[i].activ_ == 1) activeSlices_.push_back(i);
    if (activeSlices_.empty()) sectionAssert("activeSlices_.size() > 0 failed for cs " + sectionName_, __FILE__, __LINE__);
    leftDike_ = slices_[activeSlices_.front()].leftPoint_;
    rightDike_ = slices_[activeSlices_.back()].rightPoint_;
    leveeLevel_ = std::max(slices_[static_cast<std::size_t>(startMain_ - 1)].leftPoint_[2],
                           slices_[static_cast<std::size_t>(stopMain_ - 1)].rightPoint_[2]);
    computeMeanBottomLevel();
    computeLevels();
    if (computation_.mode == SectionMode::Table)
        table_.build(levels_, [this](double z) { return evaluate(z); });
    else
        table_.clear();
}

void CrossSection::computeMeanBottomLevel() {
    double sw = 0.0, swz = 0.0;
    for (const CrossSectionSlice& s : slices_)
        if (s.bottom_ && s.width_ > 0.0) {
            sw += s.width_;
            swz += s.width_ * s.meanLevel();
        }
    meanBottomSlicesLevel_ = sw > 0.0 ? swz / sw : -100.0;
    FLUM_ASSERT(!std::isnan(meanBottomSlicesLevel_));
}

void CrossSection::computeLevels() {
    const double maxLevel = std::max(leftDike_[2], rightDike_[2]);
    const double minLevel = ground_;
    const bool table = computation_.mode == SectionMode::Table;
    if (table && maxLevel - minLevel < computation_.minInterval)
        report(3, fmt::format("The spacing between ground level ({}) and max (dike) level ({}) is smaller than the "
                              "'min_interval' you supplied!",
                              minLevel, maxLevel));
    double lower = minLevel;
    if (hasFixedMinLevel_) {
        FLUM_ASSERT(fixedMinLevel_ < maxLevel);
        lower = std::max(lower, fixedMinLevel_);
    }
    levels_.clear();
    if (!table) {
        levels_ = {lower, maxLevel};
        return;
    }
    if (!(maxLevel - lower > computation_.minInterval))
        fatal(fmt::format("The cross section '{}' is too shallow for its table: the condition maxLevel - minLevel > "
                          "minTableSpacing_ fails ({} - {} <= {}).\nPlease reduce 'min_interval' or use the "
                          "'iteration' section computation.",
                          sectionName_, maxLevel, lower, computation_.minInterval));
    std::vector<double> fixed = fixedPoints_;
    std::sort(fixed.begin(), fixed.end());
    fixed.erase(std::unique(fixed.begin(), fixed.end()), fixed.end());
    const double step = computation_.maxInterval - computation_.minInterval;
    levels_.push_back(lower);
    // The grid of levels runs through whole metres, so that neighbouring
    // sections share levels.
    double first = std::ceil(lower);
    while (first - step > lower) first -= step;
    if (first != lower && first < maxLevel) levels_.push_back(first);
    auto nextFixed = fixed.begin();
    while (levels_.back() < maxLevel) {
        const double last = levels_.back();
        const double candidate = std::min(last + step, maxLevel);
        while (nextFixed != fixed.end() && *nextFixed <= last) ++nextFixed;
        if (nextFixed != fixed.end() && *nextFixed < candidate) levels_.push_back(*nextFixed);
        levels_.push_back(candidate);
    }
    if (computation_.internalLevees) {
        for (double z : {leveeLevel_, leveeLevel_ + kLeveeStep})
            if (z > lower && z < maxLevel) levels_.push_back(z);
        std::sort(levels_.begin(), levels_.end());
        levels_.erase(std::unique(levels_.begin(), levels_.end()), levels_.end());
    }
}

SectionRow CrossSection::evaluate(double z) const {
    // Up to the levee level the forelands stay dry.
    const bool leveed = computation_.internalLevees && z <= leveeLevel_;
    const std::size_t lo = leveed ? static_cast<std::size_t>(startMain_ - 1) : 0;
    const std::size_t hi = leveed ? static_cast<std::size_t>(stopMain_) : slices_.size();
    const std::size_t mainBegin = static_cast<std::size_t>(startMain_ - 1), mainEnd = static_cast<std::size_t>(stopMain_);
    double A = 0.0, B = 0.0, Ar = 0.0, Pf = 0.0, Bf = 0.0, sumBH = 0.0, sumPK = 0.0, S1 = 0.0, S2 = 0.0;
    double partA[3] = {0.0, 0.0, 0.0}, partP[3] = {0.0, 0.0, 0.0}, partPK[3] = {0.0, 0.0, 0.0};
    for (std::size_t i = lo; i < hi; ++i) {
        const CrossSectionSlice& s = slices_[i];
        if (!s.activ_ || (z <= s.leftPoint_[2] && z <= s.rightPoint_[2])) continue;
        const double a = s.area(z), b = s.surfaceWidth(z);
        A += a;
        B += b;
        if (!s.flownThrough_) continue;
        const double p = s.perimeter(z), k = sliceFriction(s), h = s.meanDepth(z);
        Ar += a;
        Pf += p;
        Bf += b;
        sumBH += b * h;
        sumPK += p * k;
        const int part = i < mainBegin ? 0 : (i < mainEnd ? 1 : 2);
        partA[part] += a;
        partP[part] += p;
        partPK[part] += p * k;
        if (b > 0.0 && h > 0.0) law_->addBetaContribution(k, h, b, S2, S1);
    }
    double K = 0.0;
    for (int part = 0; part < 3; ++part)
        if (partA[part] > 0.0 && partP[part] > 0.0)
            K += partConveyance(partA[part], partP[part], partPK[part] / partP[part], *law_, calibration_, g_, sqrtG_);
    SectionRow r;
    r[ColZ] = z;
    r[ColArea] = A;
    r[ColReducedArea] = Ar;
    r[ColConveyance] = K;
    r[ColBeta] = S1 > 0.0 ? Ar * S2 / (S1 * S1) : 1.0;
    r[ColWidth] = B;
    r[ColPerimeter] = Pf;
    r[ColMeanDepth] = Bf > 0.0 ? sumBH / Bf : 0.0;
    r[ColFriction] = Pf > 0.0 ? sumPK / Pf : defaultFriction_;
    return r;
}

double CrossSection::area(double z) const {
    const bool leveed = computation_.internalLevees && z <= leveeLevel_;
    const std::size_t lo = leveed ? static_cast<std::size_t>(startMain_ - 1) : 0;
    const std::size_t hi = leveed ? static_cast<std::size_t>(stopMain_) : slices_.size();
    double A = 0.0;
    for (std::size_t i = lo; i < hi; ++i)
        if (slices_[i].activ_) A += slices_[i].area(z);
    return A;
}

double CrossSection::calculateZ(double A) const {
    if (A <= 0.0) return lowestLevel();
    double z0 = lowestLevel(), z1 = highestLevel() + 10.0;
    double A0 = area(z0), A1 = area(z1);
    double z = z0, Anew = A0;
    int n = 1;
    for (;; ++n) {
        if (n >= computation_.maxIterations) {
            report(3, fmt::format("Newton-iteration in calculateZ(A) for cross section '{}' failed after reaching max "
                                  "#iteration ({}).\nRequested A = {}\nCurrent z   = {}\nA-Anew      = {}\n"
                                  "[z0,z1]     = [{},{}]\n[A0,A1]     = [{},{}]\nYour minimum_water_depth might be "
                                  "the problem, try to vary your minimum_water_depth ",
                                  sectionName_, n, A, z, A - Anew, z0, z1, A0, A1));
            break;
        }
        if (A0 == A1) break;
        z = z0 + (A - A0) * (z1 - z0) / (A1 - A0);
        Anew = area(z);
        if ((A - A0) * (A - Anew) >= 0.0) {
            z0 = z;
            A0 = Anew;
        } else {
            z1 = z;
            A1 = Anew;
        }
        if (std::fabs(A - Anew) <= computation_.precision) break;
    }
    return z;
}

SectionState CrossSection::state(double A) const {
    SectionState st;
    st.A = A;
    if (A <= 0.0) {
        st.A = 0.0;
        st.z = lowestLevel();
        return st;
    }
    SectionRow r;
    bool direct = computation_.mode == SectionMode::Iteration;
    if (!direct) {
        std::size_t k = 0;
        double q = 0.0;
        double z = lowestLevel();
        const Tables::Where w = table_.locate(A, ColArea, k, q);
        if (w == Tables::Where::Inside) {
            z = table_.interpolate(k, q, ColZ);
            table_.locate(z, ColZ, k, q);
            for (std::size_t c = 0; c < kNumColumns; ++c) r[c] = table_.interpolate(k, q, c);
            r[ColZ] = z;
        } else if (w == Tables::Where::Above) {
            direct = true;
        } else {
            r = {};
            r[ColZ] = z;
            r[ColBeta] = 1.0;
        }
    }
    if (direct) r = evaluate(calculateZ(A));
    st.z = r[ColZ];
    st.reducedArea = r[ColReducedArea];
    st.beta = r[ColBeta];
    st.K = r[ColConveyance];
    st.B = r[ColWidth];
    st.P = r[ColPerimeter];
    st.meanDepth = r[ColMeanDepth];
    st.friction = r[ColFriction];
    return st;
}

void CrossSection::dump(std::ostream& out) const {
    std::string t;
    auto line = [&t](const char* key, auto v) { t += fmt::format("{}{}\n", key, v); };
    line("sectionName_ = ", sectionName_);
    line("lCoord_ = ", lCoord_);
    line("meanBottomSlicesLevel_ = ", meanBottomSlicesLevel_);
    line("referenceHeight_ = ", referenceHeight_);
    line("leftDike_[0] = ", leftDike_[0]);
    line("leftDike_[1] = ", leftDike_[1]);
    line("leftDike_[2] = ", leftDike_[2]);
    line("rightDike_[0] = ", rightDike_[0]);
    line("rightDike_[1] = ", rightDike_[1]);
    line("rightDike_[2] = ", rightDike_[2]);
    line("bottomDefined_ = ", int(bottomDefined_));
    line("ground_ = ", ground_);
    line("startMain_ = ", startMain_);
    line("stopMain_ = ", stopMain_);
    line("startBottom_ = ", startBottom_);
    line("stopBottom_ = ", stopBottom_);
    line("startBottomOriginal_ = ", startBottomOriginal_);
    line("stopBottomOriginal_ = ", stopBottomOriginal_);
    line("bedFormFactor_ = ", bedFormFactor_);
    line("numSlices = ", slices_.size());
    for (std::size_t i = 0; i < slices_.size(); ++i) {
        const CrossSectionSlice& s = slices_[i];
        t += fmt::format("--------------- slice {}----------------\n", i + 1);
        line("width_ = ", s.width_);
        line("isMainChannel_ = ", int(s.isMainChannel_));
        line("channelTypeSet_ = ", int(s.channelTypeSet_));
        line("bottom_ = ", int(s.bottom_));
        line("flownThrough_ = ", int(s.flownThrough_));
        line("kValue_ = ", s.kValue_);
        line("leftPoint_[0] = ", s.leftPoint_[0]);
        line("leftPoint_[1] = ", s.leftPoint_[1]);
        line("leftPoint_[2] = ", s.leftPoint_[2]);
        line("rightPoint_[0] = ", s.rightPoint_[0]);
        line("rightPoint_[1] = ", s.rightPoint_[1]);
        line("rightPoint_[2] = ", s.rightPoint_[2]);
        line("activ_ = ", s.activ_);
    }
    out << t;
}

}  // namespace Flumaris
