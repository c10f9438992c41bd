#pragma once
// Builds the outputs of a 2-D subdomain from its OUTPUT block.
namespace FLUMparse {
class InputBlock;
}

namespace FlumPlane {
class FLUMplane_2d;
void createOutputs(FLUMplane_2d& plane, const FLUMparse::InputBlock* output);
}  // namespace FlumPlane
