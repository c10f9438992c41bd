#include "physics/series/StandardSerie.h"

#include <algorithm>

#include "core/FlumAssert.h"
#include "core/FlumPath.h"
#include "core/MessageService.h"
#include "physics/series/SerieFileReader.h"

namespace Flumaris {

StandardSerie::StandardSerie(const std::string& fileName) {
    const std::string name = normalizePath(fileName);
    SerieTable table;
    std::string message;
    if (!SerieFileReader::read(name, table, message)) fatal(message);
    x_ = std::move(table.columns.front());
    y_.assign(std::make_move_iterator(table.columns.begin() + 1), std::make_move_iterator(table.columns.end()));
    names_ = std::move(table.names);
    report(5, "StandardSerie: read " + std::to_string(getSize()) + " rows and " +
                  std::to_string(getNumberOfColumns()) + " columns of data from file " + name);
}

StandardSerie::StandardSerie(const std::vector<std::vector<double>>& rows) {
    const std::size_t columns = rows.empty() ? 0 : rows.front().size();
    const std::string message = SerieFileReader::checkTableSize(rows.size(), columns);
    if (!message.empty()) fatal(message);
    x_.reserve(rows.size());
    y_.assign(columns - 1, {});
    for (const auto& row : rows) {
        FLUM_ASSERT_MSG(row.size() == columns, "StandardSerie: all rows of a table need the same length");
        x_.push_back(row[0]);
        for (std::size_t c = 1; c < columns; ++c) y_[c - 1].push_back(row[c]);
    }
}

const std::vector<double>& StandardSerie::getY(std::size_t column) const {
    FLUM_ASSERT(column >= 1 && column <= y_.size());
    return y_[column - 1];
}

double StandardSerie::getValue(double x, std::size_t column) const {
    const std::vector<double>& y = getY(column);
    if (x <= x_.front()) return y.front();
    if (x >= x_.back()) return y.back();
    // First row with x(i+1) >= x; x(i) < x holds, so the interval is not empty.
    const std::size_t i1 = static_cast<std::size_t>(std::lower_bound(x_.begin(), x_.end(), x) - x_.begin());
    const std::size_t i = i1 - 1;
    const double w = (x - x_[i]) / (x_[i1] - x_[i]);
    return (1.0 - w) * y[i] + w * y[i1];
}

std::size_t StandardSerie::findColumn(const std::string& name) const {
    // Names may also cover the abscissa; only value columns are answers.
    for (std::size_t c = 1; c < names_.size() && c < getNumberOfColumns(); ++c)
        if (names_[c] == name) return c;
    return 0;
}

}  // namespace Flumaris
