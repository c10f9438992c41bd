#pragma once
// The HTML reference of the input languages, generated from the schema itself
// so that it always matches what the parser accepts (-doc).
#include <string>

namespace FLUMparse {

class InputBlock;

class CreateDocumentation {
public:
    // Writes <directory>doc_FLUMARIS.html and <directory>doc_FLUMCHAIN_GEOMETRY.html
    // ("doc_" + root name + ".html" appended to directory as given; existing files are overwritten).
    static void createDocumentation(const std::string& directory);
    // One page for a schema root (FLUMARIS or FLUMCHAIN_GEOMETRY).
    static std::string page(const InputBlock& schemaRoot);
    // HTML escaping of usage and example texts: "<=" -> "&le;", ">=" -> "&ge;", then < > &.
    static std::string escape(const std::string& text);
};

inline void createDocumentation(const std::string& directory) { CreateDocumentation::createDocumentation(directory); }

}  // namespace FLUMparse
