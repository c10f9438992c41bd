#include "input/schema/InputTag.h"

#include <algorithm>

#include "core/FlumAssert.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputTagComposite.h"

namespace FLUMparse {

std::string joinNames(const std::vector<std::string>& names, const std::string& separator) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) out += separator;
        out += names[i];
    }
    return out;
}

InputTag::InputTag(std::string name, std::string description) : schema_(std::make_shared<Schema>()) {
    schema_->name = std::move(name);
    schema_->description = std::move(description);
}

InputTag::~InputTag() = default;

std::string InputTag::defaultValue() const { return schema_->defaultValue; }

std::string InputTag::conditionText() const {
    std::vector<std::string> parts;
    for (const InputTagComposite* c : schema_->conditions) {
        const std::string t = c->conditionTextFor(name());
        if (!t.empty()) parts.push_back(t);
    }
    return joinNames(parts, "; and ");
}

std::string InputTag::units() const { return schema_->units; }

std::string InputTag::restrictedValuesText() const { return joinNames(restrictedValues()); }

bool InputTag::setValue(const std::string& text, std::string& message) {
    FLUM_ASSERT_MSG(logicalMaster_ != nullptr, "Values can only be set on instance tags");
    valueTexts_.push_back(text);
    const auto& allowed = restrictedValues();
    if (!allowed.empty() && std::find(allowed.begin(), allowed.end(), text) == allowed.end()) {
        if (text.empty())
            message = "Empty value is not allowed for tag '" + name() + "'. Allowed values are " +
                      restrictedValuesText();
        else
            message = "Expression '" + text + "' is not a valid value for tag '" + name() +
                      "'. Allowed values are " + restrictedValuesText();
        return false;
    }
    message.clear();
    if (!interpret(text, message)) {
        if (message.empty())
            message = "An undefined validation error occurred for value '" + text + "' of tag '" + name() +
                      "'. Please contact the development team and send your input file.";
        return false;
    }
    return true;
}

void InputTag::validate() {}

void InputTag::addError(const std::string& text) { errors_.push_back(text); }
void InputTag::addWarning(const std::string& text) { warnings_.push_back(text); }

void InputTag::clearFindings() {
    errors_.clear();
    warnings_.clear();
}

const std::string& InputTag::valueText() const {
    static const std::string empty;
    return valueTexts_.empty() ? empty : valueTexts_.back();
}

void InputTag::checkSchemaChange() const {
    FLUM_ASSERT_MSG(logicalMaster_ == nullptr, "LOGICAL stuff must be applied to the master");
    FLUM_ASSERT_MSG(!schema_->populated, "LOGICAL stuff might not be changed after the tree is beeing populated");
}

static void checkMandatoryDefault(const std::string& name, const std::string& def, bool mandatory) {
    if (!def.empty() && mandatory) {
        const std::string msg =
            "A mandatory input tag can NOT have a default value because everything else would be absolutely "
            "not logical. So here, tag named '" + name + "' has a default value of '" + def + "'";
        Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
    }
}

InputTag& InputTag::setMandatory(bool on) {
    checkSchemaChange();
    schema_->mandatory = on;
    checkMandatoryDefault(schema_->name, schema_->defaultValue, on);
    return *this;
}

InputTag& InputTag::setDefault(const std::string& value) {
    checkSchemaChange();
    schema_->defaultValue = value;
    checkMandatoryDefault(schema_->name, value, schema_->mandatory);
    return *this;
}

InputTag& InputTag::setRepeatable(bool on) {
    checkSchemaChange();
    schema_->repeatable = on;
    return *this;
}

InputTag& InputTag::setUnits(const std::string& units) {
    checkSchemaChange();
    schema_->units = units;
    return *this;
}

InputTag& InputTag::setRestrictedValues(std::vector<std::string> values) {
    checkSchemaChange();
    schema_->restrictedValues = std::move(values);
    return *this;
}

void InputTag::attachCondition(const InputTagComposite* condition) {
    checkSchemaChange();
    schema_->conditions.push_back(condition);
}

void InputTag::wrongType(const char* wanted) const {
    const std::string msg = "InputTag: tag '" + name() + "' of type '" + typeName() + "' can not be read as " + wanted;
    Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
}

void InputTag::requireValue() const {
    if (isSet() || !defaultValue().empty()) return;
    const std::string msg = "InputTag: tag '" + name() + "' has neither a value nor a default; ask isSet() first";
    Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
}

bool InputTag::asBool() const { wrongType("boolean"); }
int InputTag::asInt() const { wrongType("integer"); }
double InputTag::asDouble() const { wrongType("real"); }
std::string InputTag::asString() const {
    requireValue();
    return effectiveText();
}
std::vector<int> InputTag::asIntList() const { wrongType("list of integers"); }
std::vector<double> InputTag::asDoubleList() const { wrongType("list of reals"); }
std::vector<std::string> InputTag::asStringList() const { wrongType("list of strings"); }
std::vector<std::vector<int>> InputTag::asIntListList() const { wrongType("list of lists of integers"); }
std::vector<std::vector<double>> InputTag::asDoubleListList() const { wrongType("list of lists of reals"); }

std::unique_ptr<InputTag> InputTag::createInstance(InputBlock* owner) const {
    FLUM_ASSERT_MSG(logicalMaster_ == nullptr, "Instances are created from master tags only");
    schema_->populated = true;
    std::unique_ptr<InputTag> t = clone();
    t->logicalMaster_ = this;
    t->block_ = owner;
    t->valueTexts_.clear();
    t->errors_.clear();
    t->warnings_.clear();
    t->resetValue();
    const std::string& def = schema_->defaultValue;
    if (!def.empty() && !isComposite()) {
        std::string msg;
        const bool ok = t->interpret(def, msg);
        if (!ok) {
            const std::string text = "Default value '" + def + "' of tag '" + name() + "' is invalid: " + msg;
            Flumaris::assertionFailed(text.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
        }
    }
    return t;
}

}  // namespace FLUMparse
