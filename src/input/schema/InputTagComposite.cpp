#include "input/schema/InputTagComposite.h"

#include <algorithm>

#include "core/FlumAssert.h"
#include "input/schema/InputBlock.h"
#include "input/syntax/InputParserCommon.h"

namespace FLUMparse {

InputTagComposite::InputTagComposite(std::string name, std::vector<std::string> members)
    : InputTag(std::move(name), ""), members_(std::move(members)) {}

std::string InputTagComposite::conditionTextFor(const std::string&) const { return ""; }

bool InputTagComposite::interpret(const std::string&, std::string& message) {
    message = "Tag '" + name() + "' groups other tags and can not be set";
    return false;
}

InputTag* InputTagComposite::member(const std::string& name) const {
    FLUM_ASSERT_MSG(block() != nullptr, "Conditions are checked on instance blocks only");
    return block()->findTag(name);
}

void InputTagCondExclusive::validate() {
    const InputTag* first = nullptr;
    for (const std::string& m : members()) {
        InputTag* t = member(m);
        if (!t || !t->isSet()) continue;
        if (!first)
            first = t;
        else
            t->addError("Tag '" + first->name() + "' and tag '" + t->name() + "' are exclusive.");
    }
}

std::string InputTagCondExclusive::conditionTextFor(const std::string&) const {
    std::vector<std::string> q;
    for (const auto& m : members()) q.push_back("'" + m + "'");
    return "exclusive: " + joinNames(q);
}

InputTagCondControlled::InputTagCondControlled(std::string name, std::vector<std::string> members,
                                               std::string control, std::vector<std::string> values)
    : InputTagComposite(std::move(name), std::move(members)), control_(std::move(control)),
      values_(std::move(values)) {}

std::string InputTagCondControlled::controlValueText() const {
    const InputTag* c = member(control_);
    return c ? c->effectiveText() : std::string();
}

bool InputTagCondControlled::holds() const {
    const InputTag* c = member(control_);
    if (!c) return false;
    const std::string v = c->effectiveText();
    if (v.empty()) return false;
    if (c->typeName() == "boolean") {
        const bool b = c->asBool();
        return std::any_of(values_.begin(), values_.end(),
                           [&](const std::string& x) { return isValidBoolean(x) && toBoolean(x) == b; });
    }
    return std::find(values_.begin(), values_.end(), v) != values_.end();
}

std::string InputTagCondControlled::valuesText() const {
    std::vector<std::string> q;
    for (const auto& v : values_) q.push_back("'" + v + "'");
    return joinNames(q, " or ");
}

void InputTagCondRequiredIf::validate() {
    if (!holds()) return;
    for (const std::string& m : members()) {
        InputTag* t = member(m);
        if (t && !t->isSet() && t->defaultValue().empty())
            t->addError("Tag '" + m + "' is required if tag '" + control() + "' is '" + controlValueText() +
                        "' but missing.");
    }
}

std::string InputTagCondRequiredIf::conditionTextFor(const std::string&) const {
    return "required if '" + control() + "' is " + valuesText();
}

void InputTagCondUsedIf::validate() {
    if (holds()) return;
    for (const std::string& m : members()) {
        InputTag* t = member(m);
        if (t && t->isSet())
            t->addWarning("The value for tag '" + m + "' will not be used as tag '" + control() + "' is not " +
                          valuesText() + ".");
    }
}

std::string InputTagCondUsedIf::conditionTextFor(const std::string&) const {
    return "used if '" + control() + "' is " + valuesText();
}

}  // namespace FLUMparse
