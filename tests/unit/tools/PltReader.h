#pragma once
// A strict reader of Tecplot binary files (version TDV112), written from the
// published layout of the format, for checking the files we write: it reads
// every byte, checks every marker and count, and throws on anything left over
// or out of place.
#include <cstdint>
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

}  // namespace plt
