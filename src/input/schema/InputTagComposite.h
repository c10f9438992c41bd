#pragma once
// Groups of tags of one block and the conditions between them. A composite is
// never written in a command file; it checks its members during validation.
#include <string>
#include <vector>

#include "input/schema/InputTag.h"

namespace FLUMparse {

class InputTagComposite : public InputTag {
public:
    InputTagComposite(std::string name, std::vector<std::string> members);
    bool isComposite() const override { return true; }
    std::string typeName() const override { return "composite"; }
    const std::vector<std::string>& members() const { return members_; }
    // The phrase shown for a member tag in the reference ("" when none).
    virtual std::string conditionTextFor(const std::string& tag) const;

protected:
    bool interpret(const std::string& text, std::string& message) override;
    InputTag* member(const std::string& name) const;

private:
    std::vector<std::string> members_;
};

// At most one of the members may be set.
class InputTagCondExclusive final : public InputTagComposite {
public:
    using InputTagComposite::InputTagComposite;
    void validate() override;
    std::string conditionTextFor(const std::string& tag) const override;

protected:
    std::unique_ptr<InputTag> clone() const override { return std::make_unique<InputTagCondExclusive>(*this); }
};

// Base of the conditions controlled by another tag's value.
class InputTagCondControlled : public InputTagComposite {
public:
    InputTagCondControlled(std::string name, std::vector<std::string> members, std::string control,
                           std::vector<std::string> values);
    const std::string& control() const { return control_; }
    const std::vector<std::string>& values() const { return values_; }

protected:
    // Whether the control tag's value in effect (set or default) is one of the values.
    bool holds() const;
    std::string controlValueText() const;
    // "'a' or 'b'"
    std::string valuesText() const;

private:
    std::string control_;
    std::vector<std::string> values_;
};

// The members are required when the control tag has one of the values.
class InputTagCondRequiredIf final : public InputTagCondControlled {
public:
    using InputTagCondControlled::InputTagCondControlled;
    void validate() override;
    std::string conditionTextFor(const std::string& tag) const override;

protected:
    std::unique_ptr<InputTag> clone() const override { return std::make_unique<InputTagCondRequiredIf>(*this); }
};

// The members are used only when the control tag has one of the values.
class InputTagCondUsedIf final : public InputTagCondControlled {
public:
    using InputTagCondControlled::InputTagCondControlled;
    void validate() override;
    std::string conditionTextFor(const std::string& tag) const override;

protected:
    std::unique_ptr<InputTag> clone() const override { return std::make_unique<InputTagCondUsedIf>(*this); }
};

}  // namespace FLUMparse
