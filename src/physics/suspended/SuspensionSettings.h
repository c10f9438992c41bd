#pragma once
// The closure keys of a SUSPENDED_LOAD/PARAMETER block (1-D or 2-D) as typed
// values; the schema holds every default.
#include <vector>

#include "input/schema/InputBlock.h"

namespace Flumaris {

enum class SinkVelocityType { VanRijn, WuWang, Zhang };
enum class NearBedConcentrationType { VanRijn, Zyserman };
enum class TransportTypeFactorType { VanRijn, Bagnold };

struct SuspensionSettings {
    SinkVelocityType sinkVelocity = SinkVelocityType::VanRijn;
    double shapeFactor = 0.0;  // Corey shape factor (2-D corey_shape_factor, 1-D shape_factor)
    NearBedConcentrationType concentration = NearBedConcentrationType::VanRijn;
    double referenceHeightFactor = 0.0;  // a = factor * h
    bool useTransportTypeFactor = false;
    TransportTypeFactorType transportTypeFactor = TransportTypeFactorType::VanRijn;
    std::vector<double> pickupFactors;  // one per suspended class
    double adaptionLengthFactor = 0.0;  // 2-D

    static SuspensionSettings fromBlock(const FLUMparse::InputBlock& parameter);
};

}  // namespace Flumaris
