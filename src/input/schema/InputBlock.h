#pragma once
// A block of the command file. As with tags, two trees of the same classes
// exist: the schema ("master") tree, built once when a root block is created,
// and the instance tree that a parse fills. Instance blocks are plain
// InputBlock objects that point to their master.
//
// Declaring a block class (see blocks/): derive from InputBlock, pass the block
// name to the constructor and override declare(), one line per key or sub-block:
//
//   void IRparallel::declare() {
//       addInt("number_threads", "OpenMP threads; 1 runs sequentially.").setDefault("1").setMin(1);
//   }
//   void IRdomain::declare() {
//       addBlock<IRparallel>();                                   // optional, once
//       addBlock<IRflumplane>(Optional, Repeatable);
//   }
//
// Reading validated values:
//   for (const InputBlock* p : domain.getBlocks("FLUMPLANE_2D")) ...   // file order
//   const InputBlock* par = domain.getChild("PARALLEL");             // first or null
//   int n = par ? par->getTag("number_threads").asInt() : 1;
//   domain.children()                                                // all sub-blocks, file order
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "input/schema/InputTag.h"
#include "input/schema/InputTagBoolean.h"
#include "input/schema/InputTagComposite.h"
#include "input/schema/InputTagEnum.h"
#include "input/schema/InputTagFile.h"
#include "input/schema/InputTagList.h"
#include "input/schema/InputTagNumber.h"
#include "input/schema/InputTagPosition.h"
#include "input/schema/InputTagString.h"

namespace FLUMparse {

struct ValidationReport {
    std::string text;
    int errors = 0;
    int warnings = 0;
    bool hasErrors() const { return errors > 0; }
};

class InputBlock {
public:
    enum Presence { Optional = 0, Mandatory = 1 };
    enum Multiplicity { Single = 0, Repeatable = 1 };

    explicit InputBlock(std::string name);
    InputBlock(const InputBlock&) = delete;
    InputBlock& operator=(const InputBlock&) = delete;

    virtual ~InputBlock();
    virtual bool compulsory() const;
    virtual bool repeatable() const;
    // HTML text for the reference pages.
    virtual std::string description() const;
    // Usage text of the reference pages: the keys and their ranges in one line each.
    virtual std::string usage() const;
    virtual int numErrors() const;
    virtual int numWarnings() const;
    // Command-file lines showing the block in use.
    virtual std::string example() const;
    // Parsing: a new sub-block or the tag of this name; null and message on look-up errors.
    virtual InputBlock* createBlock(const std::string& name, const std::string& file, int line, std::string& message);
    virtual InputTag* createTag(const std::string& name, int line, std::string& message);

    // --- identity ---
    const std::string& name() const { return name_; }
    bool isMaster() const { return logicalMaster_ == nullptr; }
    const InputBlock& master() const { return logicalMaster_ ? *logicalMaster_ : *this; }
    const InputBlock* parent() const { return parent_; }
    // Names from the root down, joined with '/' ("DOMAIN/PARALLEL"); the root gives its own name.
    std::string path() const;
    const std::string& file() const { return file_; }
    int line() const { return line_; }
    void setSource(const std::string& file, int line) { file_ = file; line_ = line; }

    // --- schema (master tree) ---
    const std::vector<std::unique_ptr<InputTag>>& tagDefinitions() const { return master().availableTags_; }
    const std::vector<std::unique_ptr<InputBlock>>& blockDefinitions() const { return master().blockDefs_; }
    // Master blocks this definition's name appears under (for the reference pages).
    const InputBlock* definitionOf(const std::string& name) const;

    // --- instance reading ---
    // Instances of the sub-block name in file order (empty when none); an undeclared name is an internal error.
    std::vector<const InputBlock*> getBlocks(const std::string& name) const;
    size_t numBlocks(const std::string& name) const;
    const InputBlock& getBlock(const std::string& name, size_t index = 0) const;
    // First instance of name or null.
    const InputBlock* getChild(const std::string& name) const;
    // First instance of name, else an empty instance of its definition whose
    // keys answer with their schema defaults: an absent optional block reads
    // like a block written without keys.
    const InputBlock& childOrDefaults(const std::string& name) const;
    // All sub-block instances in file order.
    const std::vector<const InputBlock*>& children() const { return children_; }
    const InputTag& getTag(const std::string& name) const;
    const InputTag* findTag(const std::string& name) const;
    InputTag* findTag(const std::string& name);
    bool isSet(const std::string& name) const { return getTag(name).isSet(); }
    // The tags as set in this instance, in file order (a repeated tag once per value).
    const std::vector<const InputTag*>& setTags() const { return setTags_; }
    // Instance tags in declaration order (set or not).
    std::vector<const InputTag*> tags() const;

    // --- validation ---
    // Validates the instance tree below this block and returns the report text.
    ValidationReport validate();
    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<std::string>& warnings() const { return warnings_; }

protected:
    // Declares tags and sub-blocks; called once on the master.
    virtual void declare() {}
    void setDescription(const std::string& text) { description_ = text; }
    void setExample(const std::string& text) { example_ = text; }

    // Extra arguments go to the block's constructor (one class serving several names).
    template <class Block, class... Args>
    Block& addBlock(Presence presence = Optional, Multiplicity multiplicity = Single, Args&&... args);
    template <class Tag, class... Args>
    Tag& addTag(Args&&... args);

    InputTagBoolean& addBool(const std::string& name, const std::string& description);
    InputTagNumber<int>& addInt(const std::string& name, const std::string& description);
    InputTagNumber<double>& addReal(const std::string& name, const std::string& description);
    InputTagString& addString(const std::string& name, const std::string& description);
    InputTagFile& addFile(const std::string& name, const std::string& description);
    InputTagSeriesFile& addSeriesFile(const std::string& name, const std::string& description);
    InputTagPosition& addPosition(const std::string& name, const std::string& description);
    InputTagList<int>& addIntList(const std::string& name, const std::string& description);
    InputTagList<double>& addRealList(const std::string& name, const std::string& description);
    InputTagList<std::string>& addStringList(const std::string& name, const std::string& description);
    // Conditions over tags declared before them.
    InputTagCondExclusive& addExclusive(const std::vector<std::string>& tags);
    InputTagCondRequiredIf& addRequiredIf(const std::vector<std::string>& tags, const std::string& control,
                                          const std::vector<std::string>& values);
    InputTagCondUsedIf& addUsedIf(const std::vector<std::string>& tags, const std::string& control,
                                  const std::vector<std::string>& values);

    // Builds the schema below a freshly created master (calls declare()).
    void buildSchema();
    // Makes this (empty) block an instance of master.
    void instantiate(const InputBlock* master, InputBlock* parent);

private:
    void checkSchemaChange() const;
    void registerBlock(std::unique_ptr<InputBlock> block, Presence presence, Multiplicity multiplicity);
    void registerTag(std::unique_ptr<InputTag> tag);
    int definitionIndex(const std::string& name) const;
    int tagIndex(const std::string& name) const;
    void validateTree();
    void clearTree();
    void countTree(int& errors, int& warnings) const;
    void reportTree(std::string& out) const;

    std::string name_;
    const InputBlock* logicalMaster_ = nullptr;
    const InputBlock* parent_ = nullptr;
    bool mandatory_ = false;
    bool repeatable_ = false;
    std::string description_;
    std::string example_;
    std::string file_;
    int line_ = 0;
    mutable bool populated_ = false;

    // master: definitions; instance: one tag per definition / instances per definition.
    std::vector<std::unique_ptr<InputTag>> availableTags_;
    std::vector<std::unique_ptr<InputBlock>> blockDefs_;                    // master only
    std::vector<std::vector<std::unique_ptr<InputBlock>>> availableBlocks_;  // instance only
    std::map<std::string, int> tagIndex_;                                    // master only
    std::map<std::string, int> blockIndex_;                                  // master only
    std::vector<const InputBlock*> children_;
    mutable std::map<std::string, std::unique_ptr<InputBlock>> defaultChildren_;  // childOrDefaults
    std::vector<const InputTag*> setTags_;
    std::vector<std::string> errors_;
    std::vector<std::string> warnings_;
};

// The root of an instance tree; owns the master tree of its schema.
class InputRoot : public InputBlock {
public:
    // The schema tree (for the reference pages and the editor).
    const InputBlock& schema() const { return *schema_; }

protected:
    explicit InputRoot(std::unique_ptr<InputBlock> schemaRoot);

private:
    std::unique_ptr<InputBlock> schema_;
};

template <class Block, class... Args>
Block& InputBlock::addBlock(Presence presence, Multiplicity multiplicity, Args&&... args) {
    auto block = std::make_unique<Block>(std::forward<Args>(args)...);
    Block& ref = *block;
    registerBlock(std::move(block), presence, multiplicity);
    return ref;
}

template <class Tag, class... Args>
Tag& InputBlock::addTag(Args&&... args) {
    auto tag = std::make_unique<Tag>(std::forward<Args>(args)...);
    Tag& ref = *tag;
    registerTag(std::move(tag));
    return ref;
}

// Builds a master tree of the given root block class.
template <class Root>
std::unique_ptr<InputBlock> buildSchemaTree() {
    struct Builder : Root {
        void build() { this->buildSchema(); }
    };
    auto b = std::make_unique<Builder>();
    b->build();
    return b;
}

}  // namespace FLUMparse
