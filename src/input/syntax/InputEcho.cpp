#include "input/syntax/InputEcho.h"

#include <map>

#include "input/schema/InputBlock.h"

namespace FLUMparse {

namespace {

void echoBlock(const InputBlock& block, int depth, std::string& out, const EchoRewrite* rewrite) {
    const std::string indent(static_cast<size_t>(3 * depth), ' ');
    std::map<const InputTag*, size_t> seen;  // the k-th occurrence of a repeated tag prints its k-th value
    for (const InputTag* t : block.setTags()) {
        const size_t k = seen[t]++;
        const auto& texts = t->valueTexts();
        out.append(indent).append(t->name()).append(" = ");
        std::string replaced;
        if (rewrite && *rewrite && (*rewrite)(block, *t, replaced))
            out.append(replaced);
        else if (k < texts.size())
            out.append(texts[k]);
        out += '\n';
    }
    for (const InputBlock* b : block.children()) {
        out.append(indent).append(b->name()).append(" {\n");
        echoBlock(*b, depth + 1, out, rewrite);
        out.append(indent).append("}\n");
    }
}

}  // namespace

std::string echoInput(const InputBlock& root) {
    std::string out;
    echoBlock(root, 0, out, nullptr);
    return out;
}

std::string echoInput(const InputBlock& root, const EchoRewrite& rewrite) {
    std::string out;
    echoBlock(root, 0, out, &rewrite);
    return out;
}

}  // namespace FLUMparse
