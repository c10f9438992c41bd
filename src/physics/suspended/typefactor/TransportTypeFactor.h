#pragma once
// Transport type factor phi [0, 1]: the share of the total load carried in
// suspension, from x = u*/w; the bed load keeps (1 - phi).
namespace Flumaris {

class TransportTypeFactor {
public:
    virtual ~TransportTypeFactor() = default;
    virtual double factor(double uStar, double w) const = 0;
};

}  // namespace Flumaris
