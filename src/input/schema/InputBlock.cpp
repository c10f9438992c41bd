#include "input/schema/InputBlock.h"

#include "core/FlumAssert.h"

namespace FLUMparse {

namespace {
[[noreturn]] void fail(const std::string& text) { Flumaris::assertionFailed(text.c_str(), __FILE__, __LINE__, __DATE__, __TIME__); }

std::string plural(int n, const char* one, const char* many) { return std::to_string(n) + (n == 1 ? one : many); }
}  // namespace

InputBlock::InputBlock(std::string name) : name_(std::move(name)) {}

InputBlock::~InputBlock() = default;

bool InputBlock::compulsory() const { return master().mandatory_; }
bool InputBlock::repeatable() const { return master().repeatable_; }
std::string InputBlock::description() const { return master().description_; }
std::string InputBlock::example() const { return master().example_; }

std::string InputBlock::usage() const {
    // Appended piece by piece: g++ 12 warns falsely on literal + temporary string.
    std::string out = name();
    out += " {\n";
    for (const auto& t : tagDefinitions()) {
        if (t->isComposite()) continue;
        out.append("   ").append(t->name()).append(" = <").append(t->typeName()).append(">");
        if (!t->units().empty()) out.append(" ").append(t->units());
        if (!t->rangeText().empty()) {
            // Plain comparison signs here; the pages escape the usage text themselves.
            const std::string r = t->rangeText();
            out.append(", ");
            for (size_t i = 0; i < r.size(); ++i) {
                if (r.compare(i, 4, "&lt;") == 0 || r.compare(i, 4, "&gt;") == 0) {
                    out += r[i + 1] == 'l' ? '<' : '>';
                    i += 3;
                } else {
                    out += r[i];
                }
            }
        }
        if (!t->restrictedValues().empty()) out.append(", one of: ").append(t->restrictedValuesText());
        if (!t->defaultValue().empty()) out.append(", default: ").append(t->defaultValue());
        if (t->mandatory()) out.append(", compulsory");
        out.append("\n");
    }
    for (const auto& b : blockDefinitions()) out.append("   ").append(b->name()).append(" { ... }\n");
    out += "}";
    return out;
}

int InputBlock::numErrors() const {
    int e = 0;
    int w = 0;
    countTree(e, w);
    return e;
}

int InputBlock::numWarnings() const {
    int e = 0;
    int w = 0;
    countTree(e, w);
    return w;
}

std::string InputBlock::path() const {
    if (!parent_) return name_;
    if (!parent_->parent_) return name_;
    return parent_->path() + "/" + name_;
}

// ---- schema ----

void InputBlock::checkSchemaChange() const {
    FLUM_ASSERT_MSG(logicalMaster_ == nullptr, "LOGICAL stuff must be applied to the master");
    FLUM_ASSERT_MSG(!populated_, "LOGICAL stuff might not be changed after the tree is beeing populated");
}

void InputBlock::buildSchema() {
    checkSchemaChange();
    declare();
}

void InputBlock::registerBlock(std::unique_ptr<InputBlock> block, Presence presence, Multiplicity multiplicity) {
    checkSchemaChange();
    if (blockIndex_.count(block->name()))
        fail("Block '" + block->name() + "' is declared twice within block '" + name_ + "'");
    block->mandatory_ = presence == Mandatory;
    block->repeatable_ = multiplicity == Repeatable;
    block->parent_ = this;
    block->buildSchema();
    blockIndex_[block->name()] = static_cast<int>(blockDefs_.size());
    blockDefs_.push_back(std::move(block));
}

void InputBlock::registerTag(std::unique_ptr<InputTag> tag) {
    checkSchemaChange();
    if (tagIndex_.count(tag->name())) fail("Tag '" + tag->name() + "' is declared twice within block '" + name_ + "'");
    FLUM_ASSERT_MSG(!tag->isComposite() || !tag->repeatable(), "!composite->repeatable()");
    tagIndex_[tag->name()] = static_cast<int>(availableTags_.size());
    availableTags_.push_back(std::move(tag));
}

InputTagBoolean& InputBlock::addBool(const std::string& n, const std::string& d) { return addTag<InputTagBoolean>(n, d); }
InputTagNumber<int>& InputBlock::addInt(const std::string& n, const std::string& d) { return addTag<InputTagNumber<int>>(n, d); }
InputTagNumber<double>& InputBlock::addReal(const std::string& n, const std::string& d) { return addTag<InputTagNumber<double>>(n, d); }
InputTagString& InputBlock::addString(const std::string& n, const std::string& d) { return addTag<InputTagString>(n, d); }
InputTagFile& InputBlock::addFile(const std::string& n, const std::string& d) { return addTag<InputTagFile>(n, d); }
InputTagSeriesFile& InputBlock::addSeriesFile(const std::string& n, const std::string& d) { return addTag<InputTagSeriesFile>(n, d); }
InputTagPosition& InputBlock::addPosition(const std::string& n, const std::string& d) { return addTag<InputTagPosition>(n, d); }
InputTagList<int>& InputBlock::addIntList(const std::string& n, const std::string& d) { return addTag<InputTagList<int>>(n, d); }
InputTagList<double>& InputBlock::addRealList(const std::string& n, const std::string& d) { return addTag<InputTagList<double>>(n, d); }
InputTagList<std::string>& InputBlock::addStringList(const std::string& n, const std::string& d) { return addTag<InputTagList<std::string>>(n, d); }

namespace {
template <class Cond>
void attachToMembers(std::vector<std::unique_ptr<InputTag>>& tags, const std::map<std::string, int>& index,
                     const Cond& cond, const std::string& block) {
    for (const auto& m : cond.members()) {
        auto it = index.find(m);
        if (it == index.end()) fail("Condition names tag '" + m + "' that is not declared in block '" + block + "'");
        tags[it->second]->attachCondition(&cond);
    }
}
}  // namespace

InputTagCondExclusive& InputBlock::addExclusive(const std::vector<std::string>& tags) {
    auto& c = addTag<InputTagCondExclusive>("exclusive_" + std::to_string(availableTags_.size()), tags);
    attachToMembers(availableTags_, tagIndex_, c, name_);
    return c;
}

InputTagCondRequiredIf& InputBlock::addRequiredIf(const std::vector<std::string>& tags, const std::string& control,
                                                  const std::vector<std::string>& values) {
    if (!tagIndex_.count(control)) fail("Condition controlled by undeclared tag '" + control + "' in block '" + name_ + "'");
    auto& c = addTag<InputTagCondRequiredIf>("required_if_" + std::to_string(availableTags_.size()), tags, control, values);
    attachToMembers(availableTags_, tagIndex_, c, name_);
    return c;
}

InputTagCondUsedIf& InputBlock::addUsedIf(const std::vector<std::string>& tags, const std::string& control,
                                          const std::vector<std::string>& values) {
    if (!tagIndex_.count(control)) fail("Condition controlled by undeclared tag '" + control + "' in block '" + name_ + "'");
    auto& c = addTag<InputTagCondUsedIf>("used_if_" + std::to_string(availableTags_.size()), tags, control, values);
    attachToMembers(availableTags_, tagIndex_, c, name_);
    return c;
}

const InputBlock* InputBlock::definitionOf(const std::string& name) const {
    const InputBlock& m = master();
    auto it = m.blockIndex_.find(name);
    return it == m.blockIndex_.end() ? nullptr : m.blockDefs_[it->second].get();
}

// ---- instances ----

void InputBlock::instantiate(const InputBlock* master, InputBlock* parent) {
    FLUM_ASSERT(master && master->logicalMaster_ == nullptr);
    master->populated_ = true;
    logicalMaster_ = master;
    parent_ = parent;
    name_ = master->name_;
    availableTags_.clear();
    availableTags_.reserve(master->availableTags_.size());
    for (const auto& def : master->availableTags_) availableTags_.push_back(def->createInstance(this));
    availableBlocks_.clear();
    availableBlocks_.resize(master->blockDefs_.size());
}

int InputBlock::definitionIndex(const std::string& name) const {
    const auto& idx = master().blockIndex_;
    auto it = idx.find(name);
    return it == idx.end() ? -1 : it->second;
}

int InputBlock::tagIndex(const std::string& name) const {
    const auto& idx = master().tagIndex_;
    auto it = idx.find(name);
    if (it == idx.end() || master().availableTags_[it->second]->isComposite()) return -1;
    return it->second;
}

InputBlock* InputBlock::createBlock(const std::string& name, const std::string& file, int line, std::string& message) {
    FLUM_ASSERT_MSG(logicalMaster_ != nullptr, "Blocks are parsed into instance blocks only");
    const int i = definitionIndex(name);
    if (i < 0) {
        message = "Block named '" + name + "' is not a valid block name within block '" + name_ + "'";
        std::vector<std::string> names;
        for (const auto& b : blockDefinitions()) names.push_back(b->name());
        message += names.empty() ? std::string(" There is no subblock") : ". Valid blocks are " + joinNames(names);
        return nullptr;
    }
    const InputBlock& def = *blockDefinitions()[i];
    auto& list = availableBlocks_[i];
    if (!list.empty() && !def.repeatable_) {
        message = "Block named '" + name + "' is non-repeatable, but second block defined";
        return nullptr;
    }
    auto b = std::make_unique<InputBlock>(name);
    b->instantiate(&def, this);
    b->setSource(file, line);
    InputBlock* raw = b.get();
    list.push_back(std::move(b));
    children_.push_back(raw);
    return raw;
}

InputTag* InputBlock::createTag(const std::string& name, int line, std::string& message) {
    FLUM_ASSERT_MSG(logicalMaster_ != nullptr, "Tags are parsed into instance blocks only");
    const int i = tagIndex(name);
    if (i < 0) {
        message = "Tag named '" + name + "' is not defined within block '" + name_ + "'";
        std::vector<std::string> names;
        for (const auto& t : tagDefinitions())
            if (!t->isComposite()) names.push_back(t->name());
        message += names.empty() ? std::string(". Actually, there are no tags in this block")
                                 : ". Valid tag names are " + joinNames(names);
        return nullptr;
    }
    InputTag* t = availableTags_[i].get();
    if (t->isSet() && !t->repeatable()) {
        message = "Tag named '" + name + "' is non-repeatable, but second tag defined.";
        return nullptr;
    }
    t->setLine(line);
    setTags_.push_back(t);
    return t;
}

std::vector<const InputBlock*> InputBlock::getBlocks(const std::string& name) const {
    const int i = definitionIndex(name);
    if (i < 0) fail("Block named '" + name + "' within path " + path() + " does not exist within block '" + name_ + "'");
    std::vector<const InputBlock*> out;
    if (logicalMaster_)
        for (const auto& b : availableBlocks_[i]) out.push_back(b.get());
    return out;
}

size_t InputBlock::numBlocks(const std::string& name) const { return getBlocks(name).size(); }

const InputBlock& InputBlock::getBlock(const std::string& name, size_t index) const {
    const auto list = getBlocks(name);
    if (index >= list.size())
        fail("InputBlock: Block '" + name + "' with index '" + std::to_string(index) + "' does not exists as only " +
             std::to_string(list.size()) + " blocks of this type are available.");
    return *list[index];
}

const InputBlock* InputBlock::getChild(const std::string& name) const {
    const auto list = getBlocks(name);
    return list.empty() ? nullptr : list.front();
}

const InputBlock& InputBlock::childOrDefaults(const std::string& name) const {
    if (const InputBlock* b = getChild(name)) return *b;
    auto& slot = defaultChildren_[name];
    if (!slot) {
        const int i = definitionIndex(name);
        FLUM_ASSERT_MSG(i >= 0, "childOrDefaults: the block has no such sub-block");
        slot = std::make_unique<InputBlock>(name);
        slot->instantiate(blockDefinitions()[i].get(), const_cast<InputBlock*>(this));
    }
    return *slot;
}

const InputTag* InputBlock::findTag(const std::string& name) const {
    const auto& idx = master().tagIndex_;
    auto it = idx.find(name);
    return it == idx.end() ? nullptr : availableTags_[it->second].get();
}

InputTag* InputBlock::findTag(const std::string& name) {
    const auto& idx = master().tagIndex_;
    auto it = idx.find(name);
    return it == idx.end() ? nullptr : availableTags_[it->second].get();
}

const InputTag& InputBlock::getTag(const std::string& name) const {
    const InputTag* t = findTag(name);
    if (!t) fail("InputBlock: Tag '" + name + "' does not exist within block '" + path() + "'");
    return *t;
}

std::vector<const InputTag*> InputBlock::tags() const {
    std::vector<const InputTag*> out;
    for (const auto& t : availableTags_)
        if (!t->isComposite()) out.push_back(t.get());
    return out;
}

// ---- validation ----

void InputBlock::clearTree() {
    errors_.clear();
    warnings_.clear();
    for (auto& t : availableTags_) t->clearFindings();
    for (auto& list : availableBlocks_)
        for (auto& b : list) b->clearTree();
}

void InputBlock::validateTree() {
    const auto& defs = blockDefinitions();
    for (size_t i = 0; i < defs.size(); ++i)
        if (defs[i]->mandatory_ && availableBlocks_[i].empty())
            errors_.push_back("Block '" + defs[i]->name() + "' is mandatory but missing.");
    for (auto& t : availableTags_)
        if (!t->isComposite() && t->mandatory() && !t->isSet()) t->addError("Tag '" + t->name() + "' is mandatory but missing.");
    for (auto& t : availableTags_)
        if (!t->isComposite() && t->isSet()) t->validate();
    for (auto& t : availableTags_)
        if (t->isComposite()) t->validate();
    for (auto& list : availableBlocks_)
        for (auto& b : list) b->validateTree();
}

void InputBlock::countTree(int& errors, int& warnings) const {
    errors += static_cast<int>(errors_.size());
    warnings += static_cast<int>(warnings_.size());
    for (const auto& t : availableTags_) {
        errors += static_cast<int>(t->errors().size());
        warnings += static_cast<int>(t->warnings().size());
    }
    for (const auto& list : availableBlocks_)
        for (const auto& b : list) b->countTree(errors, warnings);
}

void InputBlock::reportTree(std::string& out) const {
    bool findings = !errors_.empty() || !warnings_.empty();
    for (const auto& t : availableTags_) findings = findings || !t->errors().empty() || !t->warnings().empty();
    if (findings) {
        out += "Block " + path() + " (on line " + std::to_string(line_) + " in file '" + file_ + "')\n";
        if (!warnings_.empty()) {
            out += "*WARNING: Block " + name_ + " has " + plural(static_cast<int>(warnings_.size()), " warning:\n", " warnings:\n");
            for (const auto& w : warnings_) out += w + "\n";
        }
        if (!errors_.empty()) {
            out += "*ERROR: Block " + name_ + " has " + plural(static_cast<int>(errors_.size()), " error:\n", " errors:\n");
            for (const auto& e : errors_) out += e + "\n";
        }
        for (const auto& t : availableTags_) {
            if (!t->warnings().empty()) {
                out += "*WARNING:  Tag " + t->name() + " from " + name_ + " has " +
                       plural(static_cast<int>(t->warnings().size()), " warning:\n", " warnings:\n");
                for (const auto& w : t->warnings()) out += w + "\n";
            }
            if (!t->errors().empty()) {
                out += "*ERROR:  Tag " + t->name() + " in " + name_ + " has " +
                       plural(static_cast<int>(t->errors().size()), " error:\n", " errors:\n");
                for (const auto& e : t->errors()) out += e + "\n";
            }
        }
    }
    for (const auto& list : availableBlocks_)
        for (const auto& b : list) b->reportTree(out);
}

ValidationReport InputBlock::validate() {
    FLUM_ASSERT_MSG(logicalMaster_ != nullptr, "Only instance trees are validated");
    clearTree();
    validateTree();
    ValidationReport r;
    countTree(r.errors, r.warnings);
    if (r.errors > 0 || r.warnings > 0) {
        r.text = "Input file has " + plural(r.warnings, " warning", " warnings") + " and " +
                 plural(r.errors, " error:\n", " errors:\n");
        reportTree(r.text);
    }
    if (r.errors == 0) r.text += "Input file has been successfully parsed and passed preliminary validation";
    return r;
}

// ---- root ----

InputRoot::InputRoot(std::unique_ptr<InputBlock> schemaRoot) : InputBlock(schemaRoot->name()), schema_(std::move(schemaRoot)) {
    instantiate(schema_.get(), nullptr);
    setSource("", 1);
}

}  // namespace FLUMparse
