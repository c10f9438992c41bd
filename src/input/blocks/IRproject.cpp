#include "input/blocks/IRproject.h"

namespace FLUMparse {

IRproject::IRproject() : InputBlock("PROJECT") {
    setDescription(
        "Meta information about the run: title, author and date, echoed into the log. "
        "The only block without further blocks; it is written once at the top of the command file, next to "
        "DOMAIN. title and author are single words (write underscores instead of blanks). real_time_factor slows "
        "a run of several subdomains down to at most that multiple of real time, for watching it alongside a live "
        "display or a partner program; a run of a single subdomain always runs at full speed. "
        "Leave it out for production runs.");
    setExample("PROJECT {\n"
        "   title = Emme_reach\n"
        "   author = hydro_team\n"
        "   date = 2015-10-01\n"
        "   real_time_factor = 10.0\n"
        "}");
}

void IRproject::declare() {
    addString("title", "Title of the project, without blanks.").setDefault("unnamed_project").setOneWord();
    addString("author", "Author of the project, without blanks.").setDefault("anonymous_author").setOneWord();
    addString("date", "Date of creation, free text (for example 2015-10-01).");
    addReal("real_time_factor", "Slows the run down so that simulated time runs at most this many times faster than wall-clock time; 1.0 runs in real time.").setMin(0.0);
}

}  // namespace FLUMparse
