#pragma once
// Geometry and topology of the 2-D mesh: nodes, elements (triangles and
// quadrilaterals) and edges, stored as structure-of-arrays indexed by position.
//
// Everything here is fixed after buildEdges() except the node elevations and
// the values that depend on them (element centre elevation, edge zmin/zmean),
// which updateNodeElevations() keeps consistent, and the edge type codes that
// the boundary conditions set. Flow state lives elsewhere and is indexed the
// same way (element e, edge i).
//
// Conventions the kernels rely on:
//  - element nodes are counter-clockwise; element edge k joins node k and k+1
//    (the last node closing the ring);
//  - the left element of an edge traverses it from node1 to node2, so the unit
//    normal (edgeNx_, edgeNy_) points out of the left into the right element and
//    a positive edge flux leaves the left element;
//  - a mesh-boundary edge has only a left element (edgeRight_ == kNone).
#include <cstddef>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace FlumPlane {

// Type codes of edges (also the Type column of the .edg file). Mesh-boundary
// edges start as walls; the boundary conditions assign their own codes >= 2.
enum EdgeType : int { EdgeInterior = 0, EdgeWall = 1, EdgeBoundaryCondition = 2 };

class Grid {
public:
    static constexpr int kMaxNodes = 4;             // slots per element in the fixed-width arrays
    static constexpr int kNone = -1;                // missing element / node / edge
    static constexpr double kUnsetElevation = -100000.0;

    // ---- building (InputSMS calls these in this order) ----
    void reserve(std::size_t nodes, std::size_t elements, std::size_t edges);
    // Appends a node; returns its index. A repeated file id is an error.
    int addNode(int fileId, double x, double y, double z);
    // Appends a triangle (3 node indices) or quadrilateral (4) and computes its
    // geometry. Nodes that are not finite, repeated or coinciding, elements of
    // zero area and clockwise elements are errors naming the element and nodes.
    int addElement(int fileId, std::span<const int> nodes, int material);
    // Edges with left/right elements, element edge order, neighbours, node adjacency.
    void buildEdges();
    // The edge list (.edg): edges numbered from 1, nodes and elements by file id,
    // NULL for a missing right element. An unopenable file is an error.
    void writeEdgeFile(const std::string& path) const;

    // ---- sizes and look-ups ----
    int numNodes() const { return static_cast<int>(nodeX_.size()); }
    int numElements() const { return static_cast<int>(elemArea_.size()); }
    int numEdges() const { return static_cast<int>(edgeLength_.size()); }
    int elemNumNodes(int e) const { return elemNumNodes_[e]; }
    int elemNode(int e, int k) const { return elemNodes_[kMaxNodes * e + k]; }
    int elemEdge(int e, int k) const { return elemEdges_[kMaxNodes * e + k]; }
    int elemNeighbour(int e, int k) const { return elemNeighbours_[kMaxNodes * e + k]; }
    // Node index of a mesh-file id, kNone when the id is not in the mesh.
    int nodeIndexOfId(int fileId) const;
    // Element index of a mesh-file id; an unknown id is an error.
    int elementIndexOfId(int fileId) const;
    // Edge joining two node indices (either order), kNone when there is none.
    int findEdge(int nodeA, int nodeB) const;
    // Elements and edges touching node n: [begin, end) into nodeElems_ / nodeEdges_.
    std::span<const int> elementsOfNode(int n) const;
    std::span<const int> edgesOfNode(int n) const;
    double totalArea() const;

    // New bed elevations for some nodes; recomputes the element centre
    // elevations and edge zmin/zmean that touch them.
    void updateNodeElevations(std::span<const int> nodes, std::span<const double> z);

    // ---- nodes (index n) ----
    std::vector<double> nodeX_, nodeY_, nodeZ_;   // coordinates and bed elevation [m]
    std::vector<int> nodeId_;                     // id in the mesh file

    // ---- elements (index e); per-element slot arrays have kMaxNodes entries, e*4+k ----
    std::vector<int> elemId_;                     // id in the mesh file
    std::vector<int> elemMaterial_;               // material index (last field of the card, truncated)
    std::vector<int> elemNumNodes_;               // 3 (triangle) or 4 (quadrilateral)
    std::vector<int> elemNodes_;                  // node indices, counter-clockwise; slot 3 is kNone for triangles
    std::vector<double> elemArea_;                // area A [m2]
    std::vector<double> elemInvArea_;             // 1/A
    std::vector<double> elemCx_, elemCy_;         // centre: mean of the node coordinates
    std::vector<double> elemZb_;                  // bed elevation = mean of the node elevations
    std::vector<double> elemPartialArea_;         // quadrilaterals: triangle (node k, node k+1, centre); 0 for triangles
    std::vector<double> elemInradius_;            // r = 2A/P, P the perimeter of nodes 0,1,2
    std::vector<double> elemCircumradius_;        // R of the triangle of nodes 0,1,2
    std::vector<double> elemBedGradX_, elemBedGradY_;  // bed gradient: slot 0 of a triangle; quadrilaterals per
                                                  //   triangle (node k, node k+1, centre); kept by the elevation updates
    // Bed-slope source of an element under water above every node, which most
    // elements are: B = (g/A) (h G - H), with G = sum A_k grad_k and
    // H = sum A_k (zbar_k - zb) grad_k over its planar triangles (H = 0 for a
    // triangle), valid while h >= relief = highest node - zb.
    std::vector<double> elemRelief_;
    std::vector<double> elemSlopeGx_, elemSlopeGy_, elemSlopeHx_, elemSlopeHy_;
    std::vector<int> elemEdges_;                  // edge k joins node k and node k+1; kNone in unused slots
    std::vector<int> elemNeighbours_;             // element across edge k, kNone on the mesh boundary
    std::vector<double> elemEdgeSign_;            // +1 if the element is left of edge k, -1 if right, 0 unused:
                                                  //   outflow of e through edge k = sign * edge flux

    // ---- edges (index i) ----
    std::vector<int> edgeNode1_, edgeNode2_;      // node indices, in the left element's node order
    std::vector<int> edgeLeft_, edgeRight_;       // element indices; edgeRight_ is kNone on the mesh boundary
    std::vector<double> edgeLength_;              // L
    std::vector<double> edgeDy_, edgeDx_;         // the normal pair (y2 - y1, x2 - x1) as computed
    std::vector<double> edgeNx_, edgeNy_;         // unit normal ((y2 - y1), -(x2 - x1)) / L, left -> right
    std::vector<double> edgeZmin_;                // min(z1, z2)
    std::vector<double> edgeZmean_;               // (z1 + z2) / 2
    std::vector<int> edgeType_;                   // EdgeType code
    std::vector<int> edgeLink_;                   // boundary edge joined to this one by an inner structure, else kNone
    std::vector<int> interiorEdges_;              // edges with two elements, ascending
    std::vector<int> boundaryEdges_;              // mesh-boundary edges, ascending

    // ---- node adjacency (compressed rows, built by buildEdges) ----
    std::vector<int> nodeElemStart_, nodeElems_;  // elements of node n: nodeElems_[nodeElemStart_[n] .. nodeElemStart_[n+1])
    std::vector<int> nodeEdgeStart_, nodeEdges_;  // edges of node n, likewise

private:
    // Non-finite, repeated and coinciding nodes, each with its own message.
    void checkElementNodes(int e) const;
    void computeElementGeometry(int e);
    void updateEdgeElevation(int i);
    void updateElementElevation(int e);
    void updateBedGradients(int e);
    void buildNodeAdjacency();

    std::unordered_map<int, int> nodeIndex_;      // mesh-file id -> node index
    mutable std::unordered_map<int, int> elemIndex_;  // filled on the first element look-up
};

using FPGrid = Grid;

}  // namespace FlumPlane
