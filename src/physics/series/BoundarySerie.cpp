#include "physics/series/BoundarySerie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>

#include <fmt/format.h>

#include "core/FlumPath.h"
#include "core/MessageService.h"
#include "physics/series/SerieFileReader.h"

namespace Flumaris {

namespace {

constexpr double kTimeMatch = 1.0e-5;

// Numbers in messages look as a default stream prints them.
std::string num(double v) {
    std::ostringstream s;
    s << v;
    return s.str();
}

const char* const kNoPair = "There was no data pair found in the boundary serie.";

}  // namespace

BoundarySerie::BoundarySerie(const std::string& fileName) {
    const std::string name = normalizePath(fileName);
    SerieTable table;
    std::string message;
    if (!SerieFileReader::read(name, table, message)) fatal(message);
    if (table.numberOfColumns() != 2)
        fatal("in file " + name + ": a boundary serie needs exactly two columns, but found " +
                      std::to_string(table.numberOfColumns()) + " columns.");
    const auto& x = table.columns[0];
    const auto& y = table.columns[1];
    pairs_.reserve(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) pairs_.emplace_back(x[i], y[i]);
    source_ = name;
    lines_ = std::move(table.lines);
}

BoundarySerie::BoundarySerie(std::vector<Pair> pairs) : pairs_(std::move(pairs)) {}

double BoundarySerie::getValue(double t, double /*dt*/) const {
    if (pairs_.empty()) {
        fatal(kNoPair);
        return 0.0;
    }
    if (t < pairs_.front().first) {
        fatal("x-value (usually = time) smaller than first x-value of boundary serie! (x-value: " + num(t) +
                      " first value: " + num(pairs_.front().first) +
                      ")\nError at the definition of the boundary serie.\n"
                      "The value is smaller than the smallest value of Boundary condition.");
        return 0.0;
    }
    // First pair beyond t; the one before it has x1 <= t.
    const auto it2 = std::upper_bound(pairs_.begin(), pairs_.end(), t,
                                      [](double v, const Pair& p) { return v < p.first; });
    if (it2 == pairs_.end()) return pairs_.back().second;
    const auto& [x1, y1] = *(it2 - 1);
    const auto& [x2, y2] = *it2;
    return y1 + (t - x1) * (y2 - y1) / (x2 - x1);
}

double BoundarySerie::calculateSlope(double t) const {
    if (pairs_.size() < 2) {
        fatal("No slope in boundary serie can be calclated. Series has only one value!");
        return 0.0;
    }
    auto it2 = std::upper_bound(pairs_.begin(), pairs_.end(), t,
                                [](double v, const Pair& p) { return v < p.first; });
    if (it2 == pairs_.begin()) ++it2;
    if (it2 == pairs_.end()) --it2;
    const auto& [x1, y1] = *(it2 - 1);
    const auto& [x2, y2] = *it2;
    if (x2 == x1) {
        fatal("Division by zero in slope calculation in boundary serie!");
        return 0.0;
    }
    return (y2 - y1) / (x2 - x1);
}

double BoundarySerie::getValueAtTime(double t) {
    if (pairs_.empty()) {
        fatal(kNoPair);
        return 0.0;
    }
    for (std::size_t i = cursor_; i < pairs_.size(); ++i) {
        if (std::fabs(pairs_[i].first - t) <= kTimeMatch) {
            cursor_ = i;
            return pairs_[i].second;
        }
    }
    fatal("There was no data pair found\nin the boundary serie at time '" + num(t) +
                  "'.\nThe program cannot continue.");
    return 0.0;
}

void BoundarySerie::checkBoundarySerie(double endTime) const {
    if (pairs_.size() < 2) {
        fatal(
               "Error at the definition of the boundary serie.\nA boundary serie must have at least two pairs of "
               "values! \nPlease correct and complete the used boundary serie.");
        return;
    }
    for (std::size_t i = 0; i + 1 < pairs_.size(); ++i) {
        if (pairs_[i].first >= pairs_[i + 1].first) {
            std::string where;
            if (!source_.empty() && i + 1 < lines_.size())
                where = " (file '" + source_ + "', lines " + std::to_string(lines_[i]) + " and " +
                        std::to_string(lines_[i + 1]) + ")";
            fatal("Error within your boundary serie. The x-value " + num(pairs_[i].first) + " in row " +
                          std::to_string(i + 1) + " is larger than or equal to the x-value " +
                          num(pairs_[i + 1].first) + " in row " + std::to_string(i + 2) + where +
                          ". The x-values (usually times) must increase from row to row. Please check your "
                          "series file!");
            return;
        }
    }
    if (endTime > pairs_.back().first)
        report(3, "Warning at the definition of the boundary serie.\nThe simulation time (t = '" + num(endTime) +
                      "') is longer than time serie (tmax = '" + num(pairs_.back().first) +
                      "').\n The values of the time serie are assumed constant after the last time.");
}

void BoundarySerie::addDoublePair(const Pair& pair) { addValues(pair.first, pair.second); }

void BoundarySerie::addValues(double x, double y) {
    if (!pairs_.empty() && x <= pairs_.back().first) {
        fatal("Error adding value to boundary serie.\nThe x-value '" + num(x) + "' is smaller or equal to '" +
                      num(pairs_.back().first) + "'.\nBut values must be increasing in time!");
        return;
    }
    pairs_.emplace_back(x, y);
}

void BoundarySerie::addValuesNoCheck(double x, double y) { pairs_.emplace_back(x, y); }

std::size_t BoundarySerie::getSize() const { return pairs_.size(); }

std::string BoundarySerie::printSerie(const std::string& fileName) const {
    std::string name = normalizePath(fileName);
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".txt") != 0) name += ".txt";
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(name.c_str(), "w"), &std::fclose);
    if (!f) {
        fatal("Could not open file '" + name + "' for writing");
        return name;
    }
    fmt::memory_buffer out;
    fmt::format_to(std::back_inserter(out), "// x\ty\n");
    for (const auto& [x, y] : pairs_) fmt::format_to(std::back_inserter(out), "{}\t{}\n", x, y);
    std::fwrite(out.data(), 1, out.size(), f.get());
    return name;
}

double BoundarySerie::getMaxTime() const {
    if (pairs_.empty()) {
        fatal(kNoPair);
        return 0.0;
    }
    return pairs_.back().first;
}

std::vector<BoundarySerie::Pair> BoundarySerie::getIntervalValues(double tStart, double tEnd) const {
    std::vector<Pair> result;
    result.emplace_back(tStart, getValue(tStart));
    if (tEnd <= tStart) return result;
    auto it = std::upper_bound(pairs_.begin(), pairs_.end(), tStart,
                               [](double v, const Pair& p) { return v < p.first; });
    for (; it != pairs_.end() && it->first < tEnd; ++it) result.push_back(*it);
    result.emplace_back(tEnd, getValue(tEnd));
    return result;
}

double BoundarySerie::getRunningMean(double value, std::size_t count) const {
    const std::size_t used = std::min(count, pairs_.size());
    double sum = value;
    for (std::size_t k = 0; k < used; ++k) sum += pairs_[pairs_.size() - 1 - k].second;
    return sum / static_cast<double>(used + 1);
}

}  // namespace Flumaris
