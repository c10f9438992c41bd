#pragma once
// A strict reader of Tecplot binary files (version TDV112), written from the
// published layout of the format, for checking the files we write: it reads
// every byte, checks every marker and count, and throws on anything left over
// or out of place.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace plt {

struct Zone {
    std::string title;
    std::int32_t parentZone = 0, strandId = 0;
    double solutionTime = 0.0;
    std::int32_t zoneType = 0;
    std::vector<std::int32_t> locations;  // per variable: 0 node, 1 cell
    std::int32_t numNodes = 0, numElements = 0;
    // data section
    std::vector<std::int32_t> formats;      // 1 float, 2 double
    std::vector<std::int32_t> shareVar;     // zero-based zone or -1
    std::int32_t shareConnectivity = -1;    // zero-based zone or -1
    std::vector<double> minValue, maxValue; // per variable (unset for shared ones)
    std::vector<std::vector<double>> values;
    std::vector<std::int32_t> nodeMap;      // zero-based, 4 per element (own map only)
};

struct File {
    std::int32_t fileType = 0;
    std::string title;
    std::vector<std::string> variables;
    std::vector<Zone> zones;
    std::vector<std::pair<std::string, std::string>> auxiliary;  // dataset name/value pairs

    // Values and node map after following the sharing links.
    const std::vector<double>& values(std::size_t zone, std::size_t var) const;
    const std::vector<std::int32_t>& nodeMap(std::size_t zone) const;
};

File read(const std::string& fileName);

// Header-only, so that the tests of other modules can read .plt files too.


namespace detail {

class Bytes {
public:
    explicit Bytes(std::vector<char> data) : data_(std::move(data)) {}
    template <class T>
    T get(const char* what) {
        if (pos_ + sizeof(T) > data_.size()) throw std::runtime_error(std::string("file ends inside ") + what);
        T v;
        std::memcpy(&v, data_.data() + pos_, sizeof(T));
        pos_ += sizeof(T);
        return v;
    }
    std::int32_t i32(const char* what) { return get<std::int32_t>(what); }
    std::string str(const char* what) {
        std::string s;
        for (;;) {
            const std::int32_t c = i32(what);
            if (c == 0) return s;
            if (c < 1 || c > 255) throw std::runtime_error(std::string("bad character in ") + what);
            s += static_cast<char>(c);
        }
    }
    void marker(float expected, const char* what) {
        if (get<float>(what) != expected) throw std::runtime_error(std::string("missing ") + what);
    }
    void expect(std::int32_t expected, const char* what) {
        const auto v = i32(what);
        if (v != expected)
            throw std::runtime_error(std::string(what) + ": expected " + std::to_string(expected) + ", read " +
                                     std::to_string(v));
    }
    bool atEnd() const { return pos_ == data_.size(); }
    std::size_t pos() const { return pos_; }

private:
    std::vector<char> data_;
    std::size_t pos_ = 0;
};

inline void require(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

}  // namespace detail

inline File read(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    detail::require(in.good(), "cannot open " + fileName);
    detail::Bytes b(std::vector<char>(std::istreambuf_iterator<char>(in), {}));
    File f;
    char magic[8];
    for (char& c : magic) c = b.get<char>("magic number");
    detail::require(std::string(magic, 8) == "#!TDV112", "not a TDV112 file");
    b.expect(1, "byte order");
    f.fileType = b.i32("file type");
    detail::require(f.fileType >= 0 && f.fileType <= 2, "bad file type");
    f.title = b.str("title");
    const std::int32_t nv = b.i32("variable count");
    detail::require(nv > 0, "no variables");
    for (int v = 0; v < nv; ++v) f.variables.push_back(b.str("variable name"));

    // Header: zone and dataset auxiliary records until the end-of-header marker
    // (other record kinds are not expected here).
    for (;;) {
        const float m = b.get<float>("header marker");
        if (m == 357.0f) break;
        if (m == 799.0f) {
            std::string name = b.str("aux name");
            b.expect(0, "aux value format");
            f.auxiliary.emplace_back(std::move(name), b.str("aux value"));
            continue;
        }
        detail::require(m == 299.0f, "unexpected header record " + std::to_string(m));
        Zone z;
        z.title = b.str("zone name");
        z.parentZone = b.i32("parent zone");
        z.strandId = b.i32("strand id");
        detail::require(z.strandId >= -2 && z.strandId < 32700, "bad strand id");
        z.solutionTime = b.get<double>("solution time");
        b.expect(-1, "unused zone field");
        z.zoneType = b.i32("zone type");
        detail::require(z.zoneType >= 1 && z.zoneType <= 5, "only classic finite-element zones are checked here");
        const std::int32_t specify = b.i32("specify var location");
        detail::require(specify == 0 || specify == 1, "bad var location flag");
        z.locations.assign(static_cast<std::size_t>(nv), 0);
        if (specify == 1)
            for (auto& l : z.locations) {
                l = b.i32("var location");
                detail::require(l == 0 || l == 1, "bad var location");
            }
        b.expect(0, "raw face neighbours");
        b.expect(0, "user-defined face neighbour connections");
        z.numNodes = b.i32("node count");
        z.numElements = b.i32("element count");
        detail::require(z.numNodes > 0 && z.numElements > 0, "empty zone");
        for (int k = 0; k < 3; ++k) b.expect(0, "cell dimension");
        for (;;) {
            const std::int32_t more = b.i32("aux flag");
            detail::require(more == 0 || more == 1, "bad aux flag");
            if (more == 0) break;
            b.str("aux name");
            b.expect(0, "aux value format");
            b.str("aux value");
        }
        f.zones.push_back(std::move(z));
    }
    detail::require(!f.zones.empty(), "no zones");

    static const int cornersOf[] = {0, 2, 3, 4, 4, 8};
    for (std::size_t zi = 0; zi < f.zones.size(); ++zi) {
        Zone& z = f.zones[zi];
        b.marker(299.0f, "data zone marker");
        for (int v = 0; v < nv; ++v) {
            z.formats.push_back(b.i32("data format"));
            detail::require(z.formats.back() == 1 || z.formats.back() == 2, "unexpected data format");
        }
        b.expect(0, "passive variables");
        const std::int32_t sharing = b.i32("variable sharing flag");
        detail::require(sharing == 0 || sharing == 1, "bad sharing flag");
        z.shareVar.assign(static_cast<std::size_t>(nv), -1);
        if (sharing == 1)
            for (auto& s : z.shareVar) {
                s = b.i32("shared zone");
                detail::require(s >= -1 && s < static_cast<std::int32_t>(zi), "variable shared with a later zone");
            }
        z.shareConnectivity = b.i32("connectivity share zone");
        detail::require(z.shareConnectivity >= -1 && z.shareConnectivity < static_cast<std::int32_t>(zi),
                "connectivity shared with a later zone");
        z.minValue.assign(static_cast<std::size_t>(nv), 0.0);
        z.maxValue.assign(static_cast<std::size_t>(nv), 0.0);
        for (std::size_t v = 0; v < static_cast<std::size_t>(nv); ++v)
            if (z.shareVar[v] < 0) {
                z.minValue[v] = b.get<double>("min value");
                z.maxValue[v] = b.get<double>("max value");
            }
        z.values.resize(static_cast<std::size_t>(nv));
        for (std::size_t v = 0; v < static_cast<std::size_t>(nv); ++v) {
            if (z.shareVar[v] >= 0) continue;
            const std::int32_t n = z.locations[v] == 1 ? z.numElements : z.numNodes;
            for (std::int32_t i = 0; i < n; ++i)
                z.values[v].push_back(z.formats[v] == 2 ? b.get<double>("values")
                                                        : static_cast<double>(b.get<float>("values")));
            const auto [lo, hi] = std::minmax_element(z.values[v].begin(), z.values[v].end());
            detail::require(*lo == z.minValue[v] && *hi == z.maxValue[v], "min/max do not match the values");
        }
        if (z.shareConnectivity < 0) {
            const std::size_t n = static_cast<std::size_t>(cornersOf[z.zoneType]) *
                                  static_cast<std::size_t>(z.numElements);
            for (std::size_t i = 0; i < n; ++i) {
                const std::int32_t node = b.i32("node map");
                detail::require(node >= 0 && node < z.numNodes, "node map entry out of range");
                z.nodeMap.push_back(node);
            }
        }
    }
    detail::require(b.atEnd(), "bytes left after the last zone at offset " + std::to_string(b.pos()));
    // Shared data must come from a zone of the same shape.
    for (const Zone& z : f.zones) {
        for (std::size_t v = 0; v < z.shareVar.size(); ++v)
            if (z.shareVar[v] >= 0) {
                const Zone& src = f.zones[static_cast<std::size_t>(z.shareVar[v])];
                detail::require(src.locations[v] == z.locations[v], "shared variable changes location");
                detail::require(z.locations[v] == 1 ? src.numElements == z.numElements : src.numNodes == z.numNodes,
                        "shared variable changes length");
            }
        if (z.shareConnectivity >= 0) {
            const Zone& src = f.zones[static_cast<std::size_t>(z.shareConnectivity)];
            detail::require(src.numElements == z.numElements && src.zoneType == z.zoneType, "shared connectivity differs");
        }
    }
    return f;
}

inline const std::vector<double>& File::values(std::size_t zone, std::size_t var) const {
    const Zone& z = zones.at(zone);
    return z.shareVar[var] >= 0 ? values(static_cast<std::size_t>(z.shareVar[var]), var) : z.values[var];
}

inline const std::vector<std::int32_t>& File::nodeMap(std::size_t zone) const {
    const Zone& z = zones.at(zone);
    return z.shareConnectivity >= 0 ? nodeMap(static_cast<std::size_t>(z.shareConnectivity)) : z.nodeMap;
}

}  // namespace plt
