#include "input/blocks/IRproject.h"

namespace FLUMparse {

IRproject::IRproject() : InputBlock("PROJECT") {
    setDescription("Meta information about the project: title, author and date. The only block without further blocks.");
    setExample("PROJECT {\n"
        "   title = Emme_reach\n"
        "   author = hydro_team\n"
        "   date = 2015-10-01\n"
        "}");
}

void IRproject::declare() {
    addString("title", "Title of the project, without blanks.").setDefault("unnamed_project").setOneWord();
    addString("author", "Author of the project, without blanks.").setDefault("anonymous_author").setOneWord();
    addString("date", "Date of creation.");
    addReal("real_time_factor", "Slows the run down to the given multiple of real time; 1.0 runs in real time.").setMin(0.0);
}

}  // namespace FLUMparse
