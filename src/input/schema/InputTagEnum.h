#pragma once
// A value that must be one of the names of an enumeration.
#include <utility>
#include <vector>

#include "core/FlumAssert.h"
#include "input/schema/InputTag.h"

namespace FLUMparse {

template <class E>
class InputTagEnum final : public InputTagT<InputTagEnum<E>> {
public:
    InputTagEnum(std::string name, std::string description, std::vector<std::pair<std::string, E>> values)
        : InputTagT<InputTagEnum<E>>(std::move(name), std::move(description)), values_(std::move(values)) {
        std::vector<std::string> names;
        for (const auto& v : values_) names.push_back(v.first);
        InputTag::setRestrictedValues(names);
    }
    std::string typeName() const override { return "enumeration"; }
    E value() const {
        this->requireValue();
        return value_;
    }
    int asInt() const override { return static_cast<int>(value()); }

protected:
    bool interpret(const std::string& text, std::string&) override {
        for (const auto& v : values_)
            if (v.first == text) {
                value_ = v.second;
                return true;
            }
        return false;
    }

private:
    std::vector<std::pair<std::string, E>> values_;
    E value_ = E();
};

}  // namespace FLUMparse
