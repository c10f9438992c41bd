#include "input/doc/CreateDocumentation.h"

#include <algorithm>
#include <fstream>

#include "core/MessageService.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/blocks/IRGeo1DInputRoot.h"
#include "input/schema/InputBlock.h"

namespace FLUMparse {

namespace {

const char* kStyle =
    "<style type=\"text/css\">\n"
    "BODY { font-family: Arial, Verdana, sans-serif; width: 800px; font-size: 9pt; }\n"
    "A:link, A:visited { color: blue; }\n"
    "TABLE { width: 100%; border-collapse: collapse; }\n"
    "TD { padding: 2px; border-left: 1px solid black; border-top: 1px solid black; }\n"
    "H4 { font-size: 10pt; font-style: italic; text-decoration: underline; }\n"
    ".title0 { display: none; font-size: 16pt; }\n"
    ".title1 { display: none; font-size: 15pt; }\n"
    ".title2 { display: none; font-size: 14pt; }\n"
    ".title3 { display: none; font-size: 13pt; }\n"
    ".title4 { display: none; font-size: 12pt; }\n"
    ".title5 { display: none; font-size: 11pt; }\n"
    ".title6 { display: none; font-size: 10pt; }\n"
    ".blockList { border: 1px solid black; padding: 4px; }\n"
    ".blockListLevel0 { border: 1px solid black; margin-left: 0px; background-color: #99ccff; }\n"
    ".blockListLevel1 { border: 1px solid black; margin-left: 80px; background-color: #ccffff; }\n"
    ".blockListLevel2 { border: 1px solid black; margin-left: 80px; background-color: #ccffcc; }\n"
    ".blockListLevel3 { border: 1px solid black; margin-left: 80px; background-color: #ffff99; }\n"
    ".blockListLevel4 { border: 1px solid black; margin-left: 80px; background-color: #ffcc99; }\n"
    ".blockListLevel5 { border: 1px solid black; margin-left: 80px; background-color: #ff99cc; }\n"
    ".tagDescription { margin-bottom: 6px; }\n"
    ".blockUsage { margin-bottom: 10px; }\n"
    "HR { page-break-after: always; height: 1px; color: black; background-color: black; border: 0; }\n"
    ".struck { text-decoration: line-through; }\n"
    "</style>\n";

bool isGeometry(const InputBlock& root) { return root.name() == "FLUMCHAIN_GEOMETRY"; }

// Anchor-safe path: names from below the root joined with '.'.
std::string anchorPath(const InputBlock& b) {
    std::string p = b.path();
    std::replace(p.begin(), p.end(), '/', '.');
    return p;
}

std::string link(const InputBlock& b) { return "<a href=\"#block_" + anchorPath(b) + "\">" + b.name() + "</a>"; }

int depthOf(const InputBlock& b) {
    int d = -1;
    for (const InputBlock* p = &b; p->parent(); p = p->parent()) ++d;
    return d;
}

void blockList(const InputBlock& b, int depth, std::string& out) {
    for (const auto& child : b.blockDefinitions()) {
        const std::string indent(static_cast<size_t>(depth + 1), ' ');
        out += indent + "<div class=\"blockListLevel" + std::to_string(std::min(depth, 5)) + "\">" + link(*child);
        if (!child->blockDefinitions().empty()) {
            out += "\n";
            blockList(*child, depth + 1, out);
            out += indent;
        }
        out += "</div>\n";
    }
}

void introduction(const InputBlock& root, std::string& out) {
    out += "<div id=\"div_id\">\n<h2>Introduction</h2>\n";
    if (isGeometry(root)) {
        out +=
            "<p>The topography of a 1-D simulation is the repeated definition of cross sections: the geometry file "
            "holds one CROSS_SECTION block per surveyed section, in the same syntax as the command file. The "
            "GEOMETRY block of a FLUMCHAIN_1D subdomain names the file and lists the sections that form the chain "
            "and their order.</p>\n"
            "<h2>List of Blocks</h2>\n";
    } else {
        out +=
            "<p>A command file consists of blocks that hold variables (keys) and further blocks. Each block is "
            "described by a table of the following form:</p>\n"
            "<table>\n"
            "<tr><td><b>BLOCKNAME</b></td><td>compulsory</td><td>repeatable</td></tr>\n"
            "<tr><td>Super Blocks:</td><td colspan=\"2\">the blocks in which this block stands</td></tr>\n"
            "<tr><td>Description:</td><td colspan=\"2\">what the block is for</td></tr>\n"
            "<tr><td>Inner Blocks:</td><td colspan=\"2\">the blocks that may stand in this block</td></tr>\n"
            "</table>\n"
            "<p>\"compulsory\" marks a block that must be given, \"repeatable\" one that may be given more than once. "
            "The variables of the block follow in a second table:</p>\n"
            "<table>\n"
            "<tr><td>Variable</td><td>type</td><td>comp.</td><td>condition</td><td>units</td><td>default</td>"
            "<td>values</td></tr>\n"
            "<tr><td><b>Variable_1</b></td><td>string</td><td>x</td><td></td><td></td><td></td><td>a, b</td></tr>\n"
            "<tr><td><b>Variable_2</b></td><td>integer</td><td></td><td>used if 'Variable_1' is 'a'</td><td>[-]</td>"
            "<td>1</td><td>x &gt;= 0</td></tr>\n"
            "</table>\n"
            "<p>The root block FLUMARIS is the command file itself and is never written. Its blocks PROJECT and "
            "DOMAIN are the super blocks of everything else; DOMAIN holds the subdomains, their couplings and "
            "controllers.</p>\n"
            "<p>Syntax: a block is its name followed by its content in braces, <tt>NAME { ... }</tt>; a variable is "
            "<tt>name = value</tt> on one line. Lists are written in parentheses with a blank after \"(\" and before "
            "\")\", <tt>( 1 2 3 )</tt>, and may span several lines. Comments are <tt>//</tt> to the end of the line "
            "and <tt>/* ... */</tt>.</p>\n"
            "<p>Time series (hydrographs, stage-discharge relations, controller targets) are read from auxiliary "
            "text files of two or more columns of numbers, named by file variables of the blocks; relative names "
            "are relative to the directory of the command file.</p>\n";
    }
    out += "</div>\n<hr />\n";
}

void section(const InputBlock& b, std::string& out) {
    const std::string path = anchorPath(b);
    const int depth = depthOf(b);
    out += "<!-- starting block " + b.path() + " -->\n";
    out += "<a id=\"block_" + path + "\"></a>\n";
    out += "<!--PAGEBREAKHERE--><div class=\"title" + std::to_string(std::min(depth, 6)) + "\">" + b.path() + "</div>\n";
    out += "<table>\n";
    out += "<tr><td><b>" + b.name() + "</b></td><td>" + (b.compulsory() ? "compulsory" : "") + "</td><td>" +
           (b.repeatable() ? "repeatable" : "") + "</td></tr>\n";
    out += "<tr><td>Super Blocks:</td><td colspan=\"2\">";
    if (b.parent() && b.parent()->parent()) out += link(*b.parent());
    out += "</td></tr>\n";
    out += "<tr><td>Description:</td><td colspan=\"2\">" + b.description() + "</td></tr>\n";
    out += "<tr><td>Inner Blocks:</td><td colspan=\"2\">";
    bool first = true;
    for (const auto& c : b.blockDefinitions()) {
        if (!first) out += ", ";
        out += link(*c);
        first = false;
    }
    out += "</td></tr>\n</table>\n";

    std::vector<const InputTag*> tags;
    for (const auto& t : b.tagDefinitions())
        if (!t->isComposite()) tags.push_back(t.get());
    if (!tags.empty()) {
        out += "<table>\n<tr><td>Variable</td><td>type</td><td>comp.</td><td>condition</td><td>units</td>"
               "<td>default</td><td>values</td></tr>\n";
        for (const InputTag* t : tags) {
            const std::string values = !t->restrictedValues().empty() ? t->restrictedValuesText() : t->rangeText();
            out += "<tr><td><b>" + t->name() + "</b></td><td>" + t->typeName() + "</td><td>" +
                   (t->mandatory() ? "x" : "") + "</td><td>" + t->conditionText() + "</td><td>" + t->units() +
                   "</td><td>" + t->defaultValue() + "</td><td>" + values + "</td></tr>\n";
        }
        out += "</table>\n";
    }
    out += "<div class=\"blockUsage\"><h4>Block Usage</h4>\n<pre>" + CreateDocumentation::escape(b.usage()) +
           "</pre></div>\n";
    out += "<h4>Description of Variables</h4>\n";
    for (const InputTag* t : tags)
        out += "<div class=\"tagDescription\"><b>" + t->name() + "</b> - " + t->description() + "</div>\n";
    out += "<h4>Example</h4>\n<pre>" + CreateDocumentation::escape(b.example()) + "</pre>\n<hr />\n";
    for (const auto& c : b.blockDefinitions()) section(*c, out);
}

}  // namespace

std::string CreateDocumentation::escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool eq = i + 1 < text.size() && text[i + 1] == '=';
        if (c == '<' && eq) {
            out += "&le;";
            ++i;
        } else if (c == '>' && eq) {
            out += "&ge;";
            ++i;
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '&') {
            out += "&amp;";
        } else {
            out += c;
        }
    }
    return out;
}

std::string CreateDocumentation::page(const InputBlock& root) {
    std::string out =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
        "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\n"
        "<head>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />\n"
        "<title>FLUMARIS Input Reference</title>\n";
    out += kStyle;
    out += "</head>\n<body>\n";
    out += isGeometry(root)
               ? "<h1>FLUMARIS Reference Manual: Description of 1D Geometry File Structure and Parameters</h1>\n"
               : "<h1>FLUMARIS Reference Manual: Description of Command File Structure and Parameters</h1>\n";
    out += "<hr />\n<p>Please read the <a href=\"#div_id\">introduction</a> first</p>\n<hr />\n";
    out += "<h2>Input block structure</h2>\n<div class=\"blockList\">\n";
    blockList(root, 0, out);
    out += "</div>\n<hr />\n";
    introduction(root, out);
    for (const auto& b : root.blockDefinitions()) section(*b, out);
    out += "</body>\n</html>\n";
    return out;
}

void CreateDocumentation::createDocumentation(const std::string& directory) {
    const FlumarisInputRoot commandFile;
    const IRGeo1DInputRoot geometry;
    for (const InputBlock* root : {&commandFile.schema(), &geometry.schema()}) {
        const std::string name = directory + "doc_" + root->name() + ".html";
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        if (!out) Flumaris::fatal("CreateDocumentation: can not write to file '" + name + "'");
        out << page(*root);
        Flumaris::report(5, "CreateDocumentation: reference written to '" + name + "'");
    }
}

}  // namespace FLUMparse
