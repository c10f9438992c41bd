#include "physics/resistance/ResistanceCalc.h"

#include "core/MessageService.h"

namespace Flumaris {

void ResistanceCalc::addBetaContribution(double, double, double, double&, double&) const
{
    fatal("your resistance model does not have a working beta factor implemented");
}

}  // namespace Flumaris
