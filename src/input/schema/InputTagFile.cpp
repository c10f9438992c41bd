#include "input/schema/InputTagFile.h"

#include <filesystem>
#include <fstream>

#include "core/FlumPath.h"
#include "core/Flumaris.h"

namespace FLUMparse {

std::string resolveInputPath(const std::string& name) {
    const std::string n = Flumaris::normalizePath(name);
    const std::string& dir = Flumaris::settings().projectDirectory_;
    if (dir.empty() || (!n.empty() && n[0] == '/')) return n;
    return Flumaris::joinPath(Flumaris::normalizePath(dir), n);
}

template <class D>
bool InputTagFileBase<D>::interpret(const std::string& text, std::string& message) {
    if (text.empty()) {
        message = "Empty filename received";
        return false;
    }
    value_ = Flumaris::normalizePath(text);
    return true;
}

template <class D>
void InputTagFileBase<D>::validate() {
    if (!this->isSet()) return;
    // A directory opens as a stream on Linux but cannot be read.
    std::error_code ec;
    std::ifstream in(path());
    if (!in || std::filesystem::is_directory(path(), ec)) this->addError("Can not open file '" + value_ + "'");
}

template <class D>
std::string InputTagFileBase<D>::asString() const {
    this->requireValue();
    return value_;
}

template <class D>
std::string InputTagFileBase<D>::path() const {
    return resolveInputPath(asString());
}

template class InputTagFileBase<InputTagFile>;
template class InputTagFileBase<InputTagSeriesFile>;

}  // namespace FLUMparse
