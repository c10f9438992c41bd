#pragma once
// A small schema for the parser and framework tests, independent of the
// command-file block tree.
#include "input/schema/InputBlock.h"

namespace testschema {

using namespace FLUMparse;

class TInner final : public InputBlock {
public:
    TInner() : InputBlock("INNER") {}

protected:
    void declare() override { 
        addReal("x", "a real").setDefault("0.5");
        addString("label", "a string");
    }
};

class TBlock final : public InputBlock {
public:
    TBlock() : InputBlock("A") {}

protected:
    void declare() override {
        addInt("n", "an integer").setMin(0).setMax(10, false);
        addReal("r", "a real").setMin(0.0, false).setReasonableMax(100.0);
        addString("s", "a string").setDefault("none");
        addString("word", "one word").setOneWord();
        addBool("flag", "a boolean").setDefault("no");
        addIntList("ints", "integers").setMaxCount(3).setMin(1);
        addRealList("reals", "reals");
        addTag<InputTagList<double>>("creals", "comma reals", ListSyntax::Comma).setCount(2);
        addStringList("words", "strings");
        addTag<InputTagMultiple<int>>("multi", "several lists");
        addString("mode", "a choice").setRestrictedValues({"32", "16", "8"});
        addPosition("pos", "a position");
        addBlock<TInner>(Optional, Repeatable);
    }
};

class TMust final : public InputBlock {
public:
    TMust() : InputBlock("MUST") {}

protected:
    void declare() override {
        addString("name", "mandatory").setMandatory();
        addString("type", "control").setRestrictedValues({"one", "two"});
        addString("needs_two", "required if type is two");
        addReal("only_one", "used if type is one");
        addReal("alpha", "exclusive with beta");
        addReal("beta", "exclusive with alpha");
        addRequiredIf({"needs_two"}, "type", {"two"});
        addUsedIf({"only_one"}, "type", {"one"});
        addExclusive({"alpha", "beta"});
    }
};

class TEmpty final : public InputBlock {
public:
    TEmpty() : InputBlock("EMPTY") {}
};

class TRootSchema : public InputBlock {
public:
    TRootSchema() : InputBlock("FLUMARIS") {}

protected:
    void declare() override {
        addBlock<TBlock>(Optional, Repeatable);
        addBlock<TMust>(Mandatory, Single);
        addBlock<TEmpty>();
    }
};

class TRoot final : public InputRoot {
public:
    TRoot() : InputRoot(buildSchemaTree<TRootSchema>()) {}
};

}  // namespace testschema
