#pragma once
// A place in a region: "region.name" (a STRINGDEF of a 2-D region, a cross
// section of a 1-D region). And a slope: a real or a ratio "1:n".
#include "input/schema/InputTag.h"

namespace FLUMparse {

class InputTagPosition final : public InputTagT<InputTagPosition> {
public:
    using InputTagT::InputTagT;
    std::string typeName() const override { return "position"; }
    const std::string& region() const { requireValue(); return region_; }
    const std::string& positionName() const { requireValue(); return name_; }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { region_.clear(); name_.clear(); }

private:
    std::string region_;
    std::string name_;
};

class InputTagSlope final : public InputTagT<InputTagSlope> {
public:
    using InputTagT::InputTagT;
    std::string typeName() const override { return "slope"; }
    double asDouble() const override { requireValue(); return value_; }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { value_ = 0.0; }

private:
    double value_ = 0.0;
};

}  // namespace FLUMparse
