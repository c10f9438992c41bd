#include "core/MessageService.h"

#include <cstdlib>
#include <iostream>
#include <omp.h>
#include <string>
#include <termios.h>
#include <unistd.h>

#include "core/Flumaris.h"
#include "core/OutputRedirector.h"

namespace Flumaris {

namespace {
constexpr std::size_t kFirstWidth = 72;
constexpr std::size_t kNextWidth = 75;
constexpr std::size_t kFrameWidth = 79;
}  // namespace

MessageService& MessageService::instance() {
    static MessageService service;
    return service;
}

void report(int level, const std::string& text) { MessageService::instance().report(level, text); }

void fatal(const std::string& text) {
    MessageService::instance().report(1, text);
    throw FatalError(text);  // not reached: report(1) never returns
}

bool MessageService::interactive() const {
    if (interactiveOverride_ >= 0) return interactiveOverride_ == 1;
    return isatty(STDIN_FILENO) == 1;
}

void MessageService::waitForKey() const {
    if (!interactive()) return;
    std::cout.flush();
    termios old{};
    const bool tty = tcgetattr(STDIN_FILENO, &old) == 0;
    if (tty) {
        termios raw = old;
        raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    }
    char c = 0;
    [[maybe_unused]] const auto got = ::read(STDIN_FILENO, &c, 1);
    if (tty) tcsetattr(STDIN_FILENO, TCSANOW, &old);
}

std::string MessageService::wrap(const std::string& text) {
    std::string out;
    bool firstLine = true;
    auto emit = [&](const std::string& line) {
        if (!firstLine) out += "\n   ";
        out += line;
        firstLine = false;
    };
    std::size_t start = 0;
    while (true) {
        const std::size_t nl = text.find('\n', start);
        std::string rest = text.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
        // Cut at the last blank or tab within the width; a word longer than that stays whole.
        while (true) {
            const std::size_t width = firstLine ? kFirstWidth : kNextWidth;
            if (rest.size() <= width) break;
            std::size_t cut = rest.find_last_of(" \t", width);
            if (cut == std::string::npos || cut == 0) {
                cut = rest.find_first_of(" \t", width);
                if (cut == std::string::npos) break;
            }
            emit(rest.substr(0, cut));
            rest.erase(0, cut + 1);
        }
        emit(rest);
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return out;
}

std::string MessageService::header(const std::string& title) {
    const std::size_t lead = kFrameWidth / 2 - title.size() / 2;
    std::string row(1, '*');
    row.append(lead - 1, '!').append(title);
    row.append(kFrameWidth - 1 - row.size(), '!').push_back('*');
    std::string out(1, '\n');
    out.append(kFrameWidth, '*').append(1, '\n').append(row).append(1, '\n');
    out.append(kFrameWidth, '*').append(1, '\n');
    return out;
}

void MessageService::report(int level, const std::string& text) {
    if (level <= 1) {
        error(text);
        return;
    }
    if (level > settings().logLevel_) return;
    if (level <= 4)
        warning(level, text);
    else
        information(text);
}

void MessageService::error(const std::string& text) {
    const bool inParallel = omp_in_parallel() != 0;
#pragma omp critical(flum_message_error)
    {
        std::cout << "\n" << header(" Error ") << "-> " << wrap(text) << "\n";
        if (!settings().batch_ && interactive()) {
            std::cout << "press any key to terminate ...\n";
            waitForKey();
            std::cout << "\n";
        } else {
            std::cout << "Program is terminated...\n";
        }
        std::cout.flush();
        if (inParallel) {
            // No exception may leave a parallel region: end here, log closed.
            FLUMtools::OutputRedirector::instance().closeLog();
            std::_Exit(1);
        }
    }
    throw FatalError(text);
}

void MessageService::warning(int level, const std::string& text) {
    bool stop = false;
#pragma omp critical(flum_message_warning)
    {
        std::cout << "\n" << header(" Warning ") << "-> " << wrap(text) << "\n";
        const bool ask = !settings().batch_ && (interactive() || answers_);
        if (level == 2) {
            if (ask && interactive()) {
                std::cout << "press any key to continue ...\n";
                waitForKey();
                std::cout << "\n";
            } else {
                std::cout << "Program continues...\n";
            }
        } else if (level == 4) {
            if (ask) {
                std::cout << " Do you want to continue? (y/N)\n>";
                std::cout.flush();
                std::string word;
                std::istream& in = answers_ ? *answers_ : std::cin;
                in >> word;
                stop = word == "N" || word == "n";
            } else {
                std::cout << "Program continues...\n";
            }
        }
        std::cout.flush();
    }
    if (stop) {
        if (omp_in_parallel()) {
            FLUMtools::OutputRedirector::instance().closeLog();
            std::_Exit(1);
        }
        throw FatalError("Program stopped by the user.");
    }
}

void MessageService::information(const std::string& text) {
    const std::string wrapped = wrap(text);
#pragma omp critical(flum_message_info)
    {
        if (omp_in_parallel() && omp_get_num_threads() > 1 && omp_get_thread_num() != 0)
            std::cout << "T" << omp_get_thread_num() << ": ";
        else
            std::cout << "-> ";
        std::cout << wrapped << "\n";
    }
}

void MessageService::endOfProgram(bool waitForKeyStroke) {
    if (waitForKeyStroke && interactive()) {
        std::cout << "\nEnd of program FLUMARIS. Press any key to exit.";
        std::cout.flush();
        waitForKey();
        std::cout << "\n";
    } else {
        std::cout << "\nEnd of program FLUMARIS.\n";
    }
    std::cout.flush();
}

}  // namespace Flumaris
