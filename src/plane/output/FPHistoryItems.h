#pragma once
// The places of the history outputs and the values they can give.
//
// Edge values come from the mean state of the edge's elements: depth h,
// u2h = h u^2, v2h = h v^2, gh2 = g h^2 / 2, u_norm and v_tang the velocity
// normal to the edge (left to right) and along it.
// Stringdef values: Q the discharge through the string, positive in the
// downstream direction; u = Q over the wetted cross-section (sum of edge
// length times edge depth); wse and zbed length-weighted means over the edges
// (wse over the wet ones); energy_head = wse + u^2 / 2g.
// Boundary values: Q the discharge of the boundary condition into the subdomain.
#include <memory>
#include <string>
#include <vector>

#include "plane/output/FPHistoryOutput.h"

namespace FlumPlane {

class PlaneView;
class FPFieldValues;

std::vector<HistoryItem> elementHistoryItems(const PlaneView& plane, const std::vector<int>& ids,
                                             const std::vector<std::string>& values);
std::vector<HistoryItem> nodeHistoryItems(const PlaneView& plane, const std::vector<int>& ids,
                                          const std::vector<std::string>& values);
// edges: "12:13" (two node ids of the mesh file).
std::vector<HistoryItem> edgeHistoryItems(const PlaneView& plane, const std::vector<std::string>& edges,
                                          const std::vector<std::string>& values);
std::vector<HistoryItem> stringdefHistoryItems(const PlaneView& plane, const std::vector<std::string>& names,
                                               const std::vector<std::string>& values);
// names empty: every boundary condition of the subdomain.
std::vector<HistoryItem> boundaryHistoryItems(const PlaneView& plane, const std::vector<std::string>& names,
                                              const std::vector<std::string>& values);

// Signed discharge through a string [m3/s], positive downstream.
double stringDischarge(const PlaneView& plane, const class EdgeString& string);

}  // namespace FlumPlane
