#include "plane/output/FPOutputFactory.h"

#include "input/schema/InputBlock.h"
#include "plane/FLUMplane_2d.h"

namespace FlumPlane {

void createOutputs(FLUMplane_2d& /*plane*/, const FLUMparse::InputBlock* /*output*/) {}

}  // namespace FlumPlane
