#include "tools/FTSmsWriter.h"

#include "core/FlumAssert.h"

namespace FLUMtools {

double FTSmsWriter::julianDay(int day, int month, int year, int hour, int minute, double second) {
    const int a = (14 - month) / 12;
    const long y = year + 4800 - a;
    const long m = month + 12 * a - 3;
    const long jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
    return static_cast<double>(jdn) + (hour - 12) / 24.0 + minute / 1440.0 + second / 86400.0;
}

FTSmsWriter::FTSmsWriter(const std::string& fileName, const std::string& valueName, bool vector,
                         std::span<const std::int64_t> ids, std::size_t numCells, double julianReference)
    : file_(fileName), vector_(vector), ids_(ids) {
    for (std::size_t i = 0; i < ids.size(); ++i)
        FLUM_ASSERT_MSG(ids[i] >= 1 && (i == 0 || ids[i] > ids[i - 1]),
                        "mesh ids for SMS output must be positive and increasing");
    // One value line per id slot, so the count is the largest id.
    const std::int64_t slots = ids.empty() ? 0 : ids.back();
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "DATASET\nOBJTYPE \"mesh2d\"\nRT_JULIAN {:f}\n", julianReference);
    fmt::format_to(out, "{}\n", vector ? "BEGVEC\nVECTYPE 0" : "BEGSCL");
    fmt::format_to(out, "ND {}\nNC {}\nNAME \"{}\"\nTIMEUNITS seconds\n", slots, numCells, valueName);
    file_.writeRecord(buf);
}

FTSmsWriter::~FTSmsWriter() {
    try {
        close();
    } catch (...) {  // a failing last write was reported; nothing may leave a destructor
    }
}

void FTSmsWriter::writeTime(double time, const FTField& field) {
    FLUM_ASSERT(vector_ ? (field.components == 2 || field.components == 3) : field.components == 1);
    FLUM_ASSERT(field.values.size() == ids_.size() * static_cast<std::size_t>(field.components));
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "TS 0\t{}\n", time);
    std::int64_t next = 1;
    for (std::size_t i = 0; i < ids_.size(); ++i) {
        for (; next < ids_[i]; ++next) fmt::format_to(out, "{}\n", vector_ ? "0.000 \t 0.000 \t 0.000 \t" : "0.000");
        if (vector_) {
            const double vz = field.components == 3 ? field.value(i, 2) : 0.0;
            fmt::format_to(out, "{:.4e} \t{:.4e} \t{:.4e} \t\n", field.value(i, 0), field.value(i, 1), vz);
        } else {
            fmt::format_to(out, "{:.4e} \t\n", field.value(i));
        }
        ++next;
    }
    file_.writeRecord(buf);
}

void FTSmsWriter::close() {
    if (!file_.isOpen()) return;
    fmt::memory_buffer buf;
    fmt::format_to(std::back_inserter(buf), "ENDDS\n");
    file_.writeRecord(buf);
    file_.close();
}

}  // namespace FLUMtools
