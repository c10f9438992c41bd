// libFuzzer target for series files: any bytes either give a table of finite
// numbers with one line number per row, or a message; a table of two columns
// then passes or fails the boundary-series check with a message, and the
// series answers every time with a value between its extremes.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/series/BoundarySerie.h"
#include "physics/series/SerieFileReader.h"

namespace {

using namespace Flumaris;

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

void require(bool ok) {
    if (!ok) std::abort();
}

// y at t lies between the smallest and largest y (with round-off to spare).
void requireBounded(double y, const std::vector<double>& ys) {
    const auto [lo, hi] = std::minmax_element(ys.begin(), ys.end());
    const double slack = 1e-9 * std::max({1.0, std::fabs(*lo), std::fabs(*hi)});
    require(!(y < *lo - slack) && !(y > *hi + slack));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static NullBuffer sink;
    std::cout.rdbuf(&sink);
    settings().batch_ = true;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    SerieTable table;
    std::string message;
    if (!SerieFileReader::parse(text, text + size, "fuzz.txt", table, message)) {
        require(!message.empty());
        return 0;
    }
    require(message.empty() && table.numberOfColumns() >= 2 && table.numberOfRows() >= 1);
    require(table.lines.size() == table.numberOfRows());
    for (std::size_t r = 1; r < table.lines.size(); ++r) require(table.lines[r] > table.lines[r - 1]);
    for (const auto& c : table.columns) {
        require(c.size() == table.numberOfRows());
        for (double v : c) require(std::isfinite(v));
    }
    // Values far apart may overflow in the interpolation; a river's series has none.
    for (const auto& c : table.columns)
        for (double v : c)
            if (std::fabs(v) > 1e150) return 0;
    if (table.numberOfColumns() != 2) return 0;
    std::vector<BoundarySerie::Pair> pairs;
    for (std::size_t r = 0; r < table.numberOfRows(); ++r) pairs.emplace_back(table.columns[0][r], table.columns[1][r]);
    BoundarySerie serie(pairs);
    try {
        serie.checkBoundarySerie(table.columns[0].back());
    } catch (const FatalError&) {
        return 0;
    }
    const std::vector<double>& x = table.columns[0];
    const std::vector<double>& y = table.columns[1];
    for (std::size_t r = 0; r + 1 < x.size(); ++r) {
        requireBounded(serie.getValue(x[r]), y);
        requireBounded(serie.getValue(0.5 * (x[r] + x[r + 1])), y);
    }
    requireBounded(serie.getValue(x.back() + 1.0), y);
    return 0;
}
