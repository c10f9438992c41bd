#pragma once
#include "input/schema/InputTag.h"

namespace FLUMparse {

// "1"/"yes" or "0"/"no".
class InputTagBoolean final : public InputTagT<InputTagBoolean> {
public:
    InputTagBoolean(std::string name, std::string description);
    std::string typeName() const override { return "boolean"; }
    bool asBool() const override;
    bool value() const { return asBool(); }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { value_ = false; }

private:
    bool value_ = false;
};

}  // namespace FLUMparse
