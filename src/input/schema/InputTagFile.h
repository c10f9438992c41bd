#pragma once
// File names. The text goes through Flumaris::normalizePath; a relative name is
// relative to the project directory. The file must open for reading.
#include "input/schema/InputTag.h"

namespace FLUMparse {

template <class Derived>
class InputTagFileBase : public InputTagT<Derived> {
public:
    using InputTagT<Derived>::InputTagT;
    void validate() override;
    // The normalised name as written (asString) and the path to open.
    std::string asString() const override;
    std::string path() const;
    // File filter of the editor's file dialog, e.g. "Grid files (*.fmg )".
    Derived& setFilter(const std::string& f) { this->checkSchemaChange(); filter_ = f; return static_cast<Derived&>(*this); }
    const std::string& filter() const { return static_cast<const InputTagFileBase&>(this->master()).filter_; }

protected:
    bool interpret(const std::string& text, std::string& message) override;
    void resetValue() override { value_.clear(); }

private:
    std::string filter_;
    std::string value_;
};

class InputTagFile final : public InputTagFileBase<InputTagFile> {
public:
    using InputTagFileBase::InputTagFileBase;
    std::string typeName() const override { return "file"; }
};

// A file of a time series (columns of numbers).
class InputTagSeriesFile final : public InputTagFileBase<InputTagSeriesFile> {
public:
    using InputTagFileBase::InputTagFileBase;
    std::string typeName() const override { return "series file"; }
};

// Resolves a file name of the command file against the project directory.
std::string resolveInputPath(const std::string& name);

extern template class InputTagFileBase<InputTagFile>;
extern template class InputTagFileBase<InputTagSeriesFile>;

}  // namespace FLUMparse
