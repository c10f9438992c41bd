#pragma once
// A key of a block. The schema ("master") tag holds the definition; every
// block instance owns one instance tag per definition, which keeps the value
// read from the file and forwards all schema questions to its master.
//
// Reading a validated value: tag.asInt(), asDouble(), asBool(), asString(),
// asIntList(), asDoubleList(), asStringList(), ... The value of an unset tag
// is its default; asking an unset tag without default, or asking for the
// wrong type, is an internal error.
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace FLUMparse {

class InputBlock;
class InputTagComposite;

class InputTag {
public:
    InputTag(std::string name, std::string description);
    InputTag(const InputTag&) = default;
    InputTag& operator=(const InputTag&) = delete;

    virtual ~InputTag();
    virtual std::string defaultValue() const;
    // Type as shown in the reference, e.g. "string", "integer", "real", "boolean".
    virtual std::string typeName() const = 0;
    // "exclusive: '...", "required if '...", "used if '..." for the conditions naming this tag.
    virtual std::string conditionText() const;
    virtual std::string units() const;
    // Valid range of numeric kinds as HTML text ("" when unbounded).
    virtual std::string rangeText() const { return ""; }
    // Stores the trimmed text and, if the kind accepts it, the typed value; false with message otherwise.
    virtual bool setValue(const std::string& text, std::string& message);
    // Checks that need the whole tree or are only worth a report entry (ranges, files, conditions).
    virtual void validate();
    virtual void addError(const std::string& text);
    virtual void addWarning(const std::string& text);

    // --- schema (forwarded to the master) ---
    const std::string& name() const { return schema_->name; }
    const std::string& description() const { return schema_->description; }
    bool mandatory() const { return schema_->mandatory; }
    bool repeatable() const { return schema_->repeatable; }
    const std::vector<std::string>& restrictedValues() const { return schema_->restrictedValues; }
    // The allowed values as listed in messages and pages: "a, b, c".
    std::string restrictedValuesText() const;
    virtual bool isComposite() const { return false; }
    const InputTag* logicalMaster() const { return logicalMaster_; }
    const InputTag& master() const { return logicalMaster_ ? *logicalMaster_ : *this; }

    // Schema declaration; allowed on a master before its block is populated.
    InputTag& setMandatory(bool on = true);
    InputTag& setDefault(const std::string& value);
    InputTag& setRepeatable(bool on = true);
    InputTag& setUnits(const std::string& units);
    InputTag& setRestrictedValues(std::vector<std::string> values);
    void attachCondition(const InputTagComposite* condition);

    // --- instance ---
    bool isSet() const { return !valueTexts_.empty(); }
    // The text as read (trimmed); the last one for a repeated tag; empty when unset.
    const std::string& valueText() const;
    const std::vector<std::string>& valueTexts() const { return valueTexts_; }
    // The value text in effect: as read, else the default.
    std::string effectiveText() const { return isSet() ? valueText() : defaultValue(); }
    int line() const { return line_; }
    void setLine(int line) { line_ = line; }
    InputBlock* block() const { return block_; }
    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<std::string>& warnings() const { return warnings_; }
    void clearFindings();

    // --- typed reading ---
    virtual bool asBool() const;
    virtual int asInt() const;
    virtual double asDouble() const;
    virtual std::string asString() const;
    virtual std::vector<int> asIntList() const;
    virtual std::vector<double> asDoubleList() const;
    virtual std::vector<std::string> asStringList() const;
    virtual std::vector<std::vector<int>> asIntListList() const;
    virtual std::vector<std::vector<double>> asDoubleListList() const;

    // A fresh instance of this master for a block instance (default applied).
    std::unique_ptr<InputTag> createInstance(InputBlock* owner) const;
    // Masters only: whether block instances with this tag exist already.
    void markPopulated() const { schema_->populated = true; }

protected:
    // The kind's own check and conversion; on failure fill message (empty: no message of its own).
    virtual bool interpret(const std::string& text, std::string& message) = 0;
    // A copy of the definition; values are reset by createInstance.
    virtual std::unique_ptr<InputTag> clone() const = 0;
    virtual void resetValue() {}
    void checkSchemaChange() const;
    [[noreturn]] void wrongType(const char* wanted) const;
    // Asserts that there is a value to read (set or default).
    void requireValue() const;

private:
    // The definition, shared by the master and all its instances (instances are
    // created per block instance, so they must be cheap).
    struct Schema {
        std::string name;
        std::string description;
        bool mandatory = false;
        bool repeatable = false;
        std::string defaultValue;
        std::string units;
        std::vector<std::string> restrictedValues;
        std::vector<const InputTagComposite*> conditions;
        bool populated = false;
    };
    Schema& schema() const { return *schema_; }

    const InputTag* logicalMaster_ = nullptr;
    InputBlock* block_ = nullptr;
    std::shared_ptr<Schema> schema_;

    std::vector<std::string> valueTexts_;
    int line_ = 0;
    std::vector<std::string> errors_;
    std::vector<std::string> warnings_;
};

// Chaining helpers: the common setters returning the concrete kind, so that a
// declaration stays one line: addReal("g", "...").setDefault("9.81").setMin(0.0).
template <class Derived>
class InputTagT : public InputTag {
public:
    using InputTag::InputTag;
    Derived& setMandatory(bool on = true) { InputTag::setMandatory(on); return self(); }
    Derived& setDefault(const std::string& v) { InputTag::setDefault(v); return self(); }
    Derived& setRepeatable(bool on = true) { InputTag::setRepeatable(on); return self(); }
    Derived& setUnits(const std::string& u) { InputTag::setUnits(u); return self(); }
    Derived& setRestrictedValues(std::vector<std::string> v) { InputTag::setRestrictedValues(std::move(v)); return self(); }

protected:
    std::unique_ptr<InputTag> clone() const override { return std::make_unique<Derived>(static_cast<const Derived&>(*this)); }

private:
    Derived& self() { return static_cast<Derived&>(*this); }
};

// Joins texts with ", ".
std::string joinNames(const std::vector<std::string>& names, const std::string& separator = ", ");

}  // namespace FLUMparse
