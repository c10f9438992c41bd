#pragma once
// String tags: any text, or one of the restricted values; validators add
// further restrictions that are reported by the validation.
#include <memory>
#include <vector>

#include "input/schema/InputTag.h"

namespace FLUMparse {

class InputTagStringValidator {
public:
    virtual ~InputTagStringValidator() = default;
    // The restriction in words, used in messages and pages.
    virtual std::string restriction() const = 0;
    virtual bool accepts(const std::string& text) const = 0;
};

// One word: no blanks or tabs inside.
class InputTagValidatorOneWord final : public InputTagStringValidator {
public:
    std::string restriction() const override { return "one word without blanks"; }
    bool accepts(const std::string& text) const override;
};

template <class Derived>
class InputTagStringBase : public InputTagT<Derived> {
public:
    using InputTagT<Derived>::InputTagT;
    std::string typeName() const override { return "string"; }
    void validate() override {
        const auto& self = static_cast<const InputTagStringBase&>(this->master());
        for (const auto& v : self.validators_)
            if (!v->accepts(this->valueText()))
                this->addError("The string does not meet the restriction: " + v->restriction());
    }
    Derived& addValidator(std::shared_ptr<const InputTagStringValidator> v) {
        this->checkSchemaChange();
        validators_.push_back(std::move(v));
        return static_cast<Derived&>(*this);
    }
    Derived& setOneWord() { return addValidator(std::make_shared<InputTagValidatorOneWord>()); }
    std::string value() const { return this->asString(); }

protected:
    bool interpret(const std::string&, std::string&) override { return true; }

private:
    std::vector<std::shared_ptr<const InputTagStringValidator>> validators_;
};

class InputTagString final : public InputTagStringBase<InputTagString> {
public:
    using InputTagStringBase::InputTagStringBase;
};

// The plain variant used by blocks that need no validators.
class InputTagStringStd final : public InputTagStringBase<InputTagStringStd> {
public:
    using InputTagStringBase::InputTagStringBase;
};

}  // namespace FLUMparse
