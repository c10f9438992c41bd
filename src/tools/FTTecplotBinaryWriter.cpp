#include "tools/FTTecplotBinaryWriter.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

namespace FLUMtools {

namespace {

constexpr float zoneMarker = 299.0f;
constexpr float endOfHeaderMarker = 357.0f;
constexpr float datasetAuxMarker = 799.0f;
constexpr std::int32_t feQuadrilateral = 3;

template <class T>
void put(std::vector<char>& out, T value) {
    const std::size_t at = out.size();
    out.resize(at + sizeof(T));
    std::memcpy(out.data() + at, &value, sizeof(T));
}

template <class T>
void putArray(std::vector<char>& out, const std::vector<T>& values) {
    const std::size_t at = out.size();
    out.resize(at + values.size() * sizeof(T));
    if (!values.empty()) std::memcpy(out.data() + at, values.data(), values.size() * sizeof(T));
}

// Strings are stored as one 32-bit integer per character and a terminating zero.
void putString(std::vector<char>& out, const std::string& s) {
    for (unsigned char c : s) put<std::int32_t>(out, c);
    put<std::int32_t>(out, 0);
}

std::size_t blockLength(const FTTecplotZone& z, std::size_t var) {
    const bool cell = !z.locations.empty() && z.locations[var] == FTLocation::Element;
    return static_cast<std::size_t>(cell ? z.numElements : z.numNodes);
}

bool isShared(const FTTecplotZone& z, std::size_t var) {
    return !z.shareVarFromZone.empty() && z.shareVarFromZone[var] > 0;
}

}  // namespace

FTTecplotBinaryWriter::~FTTecplotBinaryWriter() {
    if (open_) end();
}

std::vector<std::string> FTTecplotBinaryWriter::splitVariables(const std::string& list) {
    std::vector<std::string> names;
    std::string current;
    for (char c : list) {
        if (c == ' ' || c == ',' || c == '\t') {
            if (!current.empty()) names.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) names.push_back(std::move(current));
    return names;
}

int FTTecplotBinaryWriter::fail(const std::string& text) {
    lastError_ = text;
    return -1;
}

void FTTecplotBinaryWriter::closeFile() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    open_ = false;
    zoneOpen_ = false;
}

int FTTecplotBinaryWriter::init(const std::string& title, const std::string& variables, const std::string& fileName,
                                FTTecplotFileType fileType, bool isDouble) {
    if (open_) return fail("init: file '" + fileName_ + "' is still open");
    variables_ = splitVariables(variables);
    if (variables_.empty()) return fail("init: no variables given");
    title_ = title;
    fileName_ = fileName;
    fileType_ = fileType;
    isDouble_ = isDouble;
    zones_.clear();
    completeZones_ = 0;
    zoneOpen_ = false;
    file_ = std::fopen(fileName.c_str(), "w+b");
    if (!file_) return fail("init: cannot open file '" + fileName + "' for writing");
    open_ = true;
    headerRoom_ = std::max(initialHeaderRoom, 2 * headerRegion(0).size());
    const std::vector<char> head = headerRegion(headerRoom_);
    if (std::fwrite(head.data(), 1, head.size(), file_) != head.size() || std::fflush(file_) != 0) {
        closeFile();
        return fail("init: cannot write file '" + fileName + "'");
    }
    lastError_.clear();
    return 0;
}

int FTTecplotBinaryWriter::zone(const FTTecplotZone& z) {
    if (!open_) return fail("zone: no file open");
    if (zoneOpen_) return fail("zone: the previous zone '" + zones_.back().title + "' is incomplete");
    const std::size_t nv = variables_.size();
    if (z.numNodes <= 0 || z.numElements <= 0) return fail("zone: node and element counts must be positive");
    if (!z.locations.empty() && z.locations.size() != nv)
        return fail("zone: one value location per variable needed");
    if (!z.shareVarFromZone.empty() && z.shareVarFromZone.size() != nv)
        return fail("zone: one share entry per variable needed");
    const auto existing = static_cast<std::int32_t>(completeZones_);
    for (std::size_t v = 0; v < z.shareVarFromZone.size(); ++v) {
        const std::int32_t src = z.shareVarFromZone[v];
        if (src == 0) continue;
        if (src < 0 || src > existing) return fail("zone: variable " + variables_[v] + " shared with a missing zone");
        const FTTecplotZone& from = zones_[static_cast<std::size_t>(src - 1)];
        const auto locOf = [](const FTTecplotZone& q, std::size_t var) {
            return q.locations.empty() ? FTLocation::Node : q.locations[var];
        };
        if (locOf(from, v) != locOf(z, v) || blockLength(from, v) != blockLength(z, v))
            return fail("zone: variable " + variables_[v] + " shared with a zone of another size or location");
    }
    if (z.shareConnectivityFromZone != 0) {
        const std::int32_t src = z.shareConnectivityFromZone;
        if (src < 0 || src > existing) return fail("zone: connectivity shared with a missing zone");
        const FTTecplotZone& from = zones_[static_cast<std::size_t>(src - 1)];
        if (from.numNodes != z.numNodes || from.numElements != z.numElements)
            return fail("zone: connectivity shared with a zone of another size");
    }
    zones_.push_back(z);
    pendingVars_.clear();
    for (std::size_t v = 0; v < nv; ++v)
        if (!isShared(z, v)) pendingVars_.push_back(v);
    pendingIndex_ = 0;
    zoneValues_.assign(nv, {});
    zoneNodeMap_.clear();
    needNodeMap_ = z.shareConnectivityFromZone == 0;
    zoneOpen_ = true;
    return finishZoneIfComplete();
}

int FTTecplotBinaryWriter::data(std::span<const double> values) {
    if (!open_ || !zoneOpen_) return fail("data: no zone open");
    const FTTecplotZone& z = zones_.back();
    std::size_t pos = 0;
    while (pos < values.size()) {
        if (pendingIndex_ >= pendingVars_.size()) return fail("data: more values than the zone holds");
        const std::size_t var = pendingVars_[pendingIndex_];
        std::vector<double>& block = zoneValues_[var];
        const std::size_t want = blockLength(z, var) - block.size();
        const std::size_t take = std::min(want, values.size() - pos);
        for (std::size_t i = 0; i < take; ++i) {
            const double v = values[pos + i];
            block.push_back(isDouble_ ? v : static_cast<double>(static_cast<float>(v)));
        }
        pos += take;
        if (block.size() == blockLength(z, var)) ++pendingIndex_;
    }
    return finishZoneIfComplete();
}

int FTTecplotBinaryWriter::data(std::span<const float> values) {
    std::vector<double> wide(values.begin(), values.end());
    return data(std::span<const double>(wide));
}

int FTTecplotBinaryWriter::nodeMap(std::span<const std::int32_t> nodes) {
    if (!open_ || !zoneOpen_) return fail("nodeMap: no zone open");
    const FTTecplotZone& z = zones_.back();
    if (!needNodeMap_) return fail("nodeMap: the zone shares its connectivity");
    if (pendingIndex_ < pendingVars_.size()) return fail("nodeMap: variable values still missing");
    const std::size_t want = 4 * static_cast<std::size_t>(z.numElements);
    if (zoneNodeMap_.size() + nodes.size() > want) return fail("nodeMap: more node numbers than the zone holds");
    for (std::int32_t n : nodes) {
        if (n < 1 || n > z.numNodes) return fail("nodeMap: node number " + std::to_string(n) + " out of range");
        zoneNodeMap_.push_back(n - 1);  // stored zero-based
    }
    return finishZoneIfComplete();
}

bool FTTecplotBinaryWriter::zoneComplete() const {
    if (pendingIndex_ < pendingVars_.size()) return false;
    return !needNodeMap_ || zoneNodeMap_.size() == 4 * static_cast<std::size_t>(zones_.back().numElements);
}

int FTTecplotBinaryWriter::finishZoneIfComplete() {
    if (!zoneComplete()) return 0;
    const FTTecplotZone& z = zones_.back();
    const std::size_t nv = variables_.size();
    std::vector<char> out;
    put(out, zoneMarker);
    for (std::size_t v = 0; v < nv; ++v) put<std::int32_t>(out, isDouble_ ? 2 : 1);
    put<std::int32_t>(out, 0);  // no passive variables
    const bool sharing = std::any_of(z.shareVarFromZone.begin(), z.shareVarFromZone.end(),
                                     [](std::int32_t s) { return s > 0; });
    put<std::int32_t>(out, sharing ? 1 : 0);
    if (sharing)
        for (std::int32_t s : z.shareVarFromZone) put<std::int32_t>(out, s > 0 ? s - 1 : -1);
    put<std::int32_t>(out, z.shareConnectivityFromZone > 0 ? z.shareConnectivityFromZone - 1 : -1);
    for (std::size_t var : pendingVars_) {
        const auto& block = zoneValues_[var];
        const auto [lo, hi] = std::minmax_element(block.begin(), block.end());
        put<double>(out, *lo);
        put<double>(out, *hi);
    }
    for (std::size_t var : pendingVars_) {
        if (isDouble_) {
            putArray(out, zoneValues_[var]);
        } else {
            const std::vector<float> narrow(zoneValues_[var].begin(), zoneValues_[var].end());
            putArray(out, narrow);
        }
    }
    if (needNodeMap_) putArray(out, zoneNodeMap_);
    zoneOpen_ = false;
    zoneValues_.assign(nv, {});
    zoneNodeMap_.clear();
    // Data first, then the header that points to it: the file on disk stays readable.
    if (std::fseek(file_, 0, SEEK_END) != 0 || std::fwrite(out.data(), 1, out.size(), file_) != out.size() ||
        std::fflush(file_) != 0) {
        closeFile();
        return fail("cannot write file '" + fileName_ + "'");
    }
    ++completeZones_;
    const std::vector<char> head = headerRegion(headerRoom_);
    const bool ok = head.empty() ? rewrite(2 * std::max(headerRoom_, headerRegion(0).size()))
                                 : std::fseek(file_, 0, SEEK_SET) == 0 &&
                                       std::fwrite(head.data(), 1, head.size(), file_) == head.size() &&
                                       std::fflush(file_) == 0;
    if (!ok) {
        closeFile();
        return fail("cannot write file '" + fileName_ + "'");
    }
    return 0;
}

void FTTecplotBinaryWriter::appendZoneHeader(std::vector<char>& out, const FTTecplotZone& z) const {
    put(out, zoneMarker);
    putString(out, z.title);
    put<std::int32_t>(out, -1);                                  // no parent zone
    put<std::int32_t>(out, z.strandId > 0 ? z.strandId - 1 : -1);  // -1: static
    put<double>(out, z.solutionTime);
    put<std::int32_t>(out, -1);  // not used
    put<std::int32_t>(out, feQuadrilateral);
    const bool anyCell = std::any_of(z.locations.begin(), z.locations.end(),
                                     [](FTLocation l) { return l == FTLocation::Element; });
    put<std::int32_t>(out, anyCell ? 1 : 0);
    if (anyCell)
        for (FTLocation l : z.locations) put<std::int32_t>(out, l == FTLocation::Element ? 1 : 0);
    put<std::int32_t>(out, 0);  // no raw face neighbours
    put<std::int32_t>(out, 0);  // no user-defined face neighbour connections
    put<std::int32_t>(out, z.numNodes);
    put<std::int32_t>(out, z.numElements);
    for (int k = 0; k < 3; ++k) put<std::int32_t>(out, 0);  // cell dimensions, unused
    put<std::int32_t>(out, 0);                               // no auxiliary data
}

std::vector<char> FTTecplotBinaryWriter::headerRegion(std::size_t room) const {
    std::vector<char> head(8);
    std::memcpy(head.data(), "#!TDV112", 8);
    put<std::int32_t>(head, 1);  // byte order
    put<std::int32_t>(head, static_cast<std::int32_t>(fileType_));
    putString(head, title_);
    put<std::int32_t>(head, static_cast<std::int32_t>(variables_.size()));
    for (const std::string& v : variables_) putString(head, v);
    for (std::size_t z = 0; z < completeZones_; ++z) appendZoneHeader(head, zones_[z]);
    const std::size_t used = head.size() + sizeof(endOfHeaderMarker);
    if (room != 0 && room != used) {
        // Filler: marker, name, value format and a value of blanks.
        static const std::string name = "Reserved";
        const std::size_t fixed = 4 + 4 * (name.size() + 1) + 4 + 4;
        if (room < used + fixed) return {};
        put(head, datasetAuxMarker);
        putString(head, name);
        put<std::int32_t>(head, 0);  // string value
        putString(head, std::string((room - used - fixed) / 4, ' '));
    }
    put(head, endOfHeaderMarker);
    return head;
}

bool FTTecplotBinaryWriter::rewrite(std::size_t room) {
    const std::string tmpName = fileName_ + ".tmp";
    std::FILE* tmp = std::fopen(tmpName.c_str(), "w+b");
    if (!tmp) return false;
    const std::vector<char> head = headerRegion(room);
    bool ok = !head.empty() && std::fwrite(head.data(), 1, head.size(), tmp) == head.size();
    ok = ok && std::fseek(file_, static_cast<long>(headerRoom_), SEEK_SET) == 0;
    std::vector<char> chunk(1 << 20);
    std::size_t got = 0;
    while (ok && (got = std::fread(chunk.data(), 1, chunk.size(), file_)) > 0)
        ok = std::fwrite(chunk.data(), 1, got, tmp) == got;
    ok = ok && std::fflush(tmp) == 0;
    std::error_code ec;
    if (ok) std::filesystem::rename(tmpName, fileName_, ec);
    if (!ok || ec) {
        std::fclose(tmp);
        std::filesystem::remove(tmpName, ec);
        return false;
    }
    std::fclose(file_);
    file_ = tmp;  // the open handle follows the renamed file
    headerRoom_ = head.size();
    return true;
}

int FTTecplotBinaryWriter::end() {
    if (!open_) return fail("end: no file open");
    std::string error;
    if (zoneOpen_) {
        error = "end: zone '" + zones_.back().title + "' is incomplete and was left out";
        zones_.pop_back();
        zoneOpen_ = false;
    }
    const bool ok = rewrite(0);
    closeFile();
    if (!ok) return fail("end: writing file '" + fileName_ + "' failed");
    if (!error.empty()) return fail(error);
    return 0;
}

}  // namespace FLUMtools
