// FLUMARIS entry point: command line, project settings, run mode and exit code.
#include <omp.h>
#include <xmmintrin.h>

#include <cstdlib>
#include <unistd.h>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "core/Banner.h"
#include "core/FlumPath.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "core/OutputRedirector.h"
#include "domain/Domain.h"
#include "domain/RunModes.h"

using namespace Flumaris;

namespace {

// Switch -> the value arguments that follow it up to the next switch.
struct CommandLine {
    std::vector<std::string> args;
    std::map<std::string, std::vector<std::string>> values;
    std::vector<std::string> switches;  // in order of appearance

    explicit CommandLine(std::vector<std::string> a) : args(std::move(a)) {
        std::string current;
        for (const std::string& arg : args) {
            if (!arg.empty() && arg[0] == '-') {
                current = arg;
                if (!values.count(arg)) switches.push_back(arg);
                values[arg];
            } else if (!current.empty()) {
                values[current].push_back(arg);
            }
        }
    }
    bool has(const std::string& s) const { return values.count(s) != 0; }
    std::size_t count(const std::string& s) const { return has(s) ? values.at(s).size() : 0; }
    std::string first(const std::string& s) const { return count(s) ? values.at(s).front() : ""; }
};

void requireOneValue(const CommandLine& cl, const std::string& sw, const std::string& name) {
    if (cl.count(sw) == 0)
        fatal("Not enough arguments are given.\nThe commandline switch '" + name + "' requires one argument.");
    if (cl.count(sw) > 1)
        fatal("Too many arguments are given.\nThe commandline switch '" + name + "' requires one argument.");
}

void printUsage() {
    std::cout << "\n"
              << "Following command line arguments are supported: \n"
              << "----------------------------------------------- \n"
              << "\t-version  \t\t : display FLUMARIS version (0 args)\n"
              << "\t-h  \t\t\t : display help information (0 args)\n"
              << "\t-f \"filename.fmc\" \t : name of commandfile to be executed (1 arg)\n"
              << "\t-t \t\t\t : parse input file and validate for errors (in combination with -f) (0 arg)\n"
              << "\t-b  \t\t\t : no user inputs required (0 args)\n"
              << "\t-verbose \t\t : detailed information outputs (0 args)\n"
              << "\t-no_cls \t\t : no clear screen (0 args)\n"
              << "\t-log \t\t\t: log level of output (1 arg, [2-6])\n"
              << "\t-doc \t\t\t: output of documentation in html-format\n"
              << "----------------------------------------------- \n"
              << "\n";
}

// Where the last project is remembered.
std::string settingsFilePath() {
    const char* drive = std::getenv("HOMEDRIVE");
    const char* path = std::getenv("HOMEPATH");
    if (drive && path) return joinPath(normalizePath(std::string(drive) + path), "fm.ini");
    const char* home = std::getenv("HOME");
    return joinPath(home ? home : ".", "fm.ini");
}

// Returns false when the command file does not exist (the run ends with code 0).
bool deriveProjectSettings(const std::string& path) {
    std::cout << projectSettingsBox();
    ProgramSettings& ps = settings();
    const std::string dir = directoryOf(path);
    const std::string scenario = stemOf(path);
    const std::string fmc = joinPath(dir, scenario + ".fmc");
    if (!std::ifstream(fmc).good()) {
        std::cout << " No commandfile for current scenario exists!!! Program terminates.\n";
        return false;
    }
    std::cout << " PROJECT DIRECTORY:\n\n " << dir << "\n\n SCENARIO NAME:\n\n " << scenario << "\n\n";
    const std::string ini = settingsFilePath();
    std::ofstream out(ini);
    if (out)
        out << dir << "\n" << scenario << "\n";
    else
        std::cout << " Unable to write to ini-file:\n" << ini << "\n Settings not stored.\n";
    ps.projectDirectory_ = dir;
    ps.commandFile_ = joinPath(dir, scenario);
    ps.scenarioName_ = scenario;
    return true;
}

int runProgram(const CommandLine& cl) {
    ProgramSettings& ps = settings();
    ps.batch_ = cl.has("-b");
    std::string commandPath;
    if (cl.args.size() == 1 && !cl.args[0].empty() && cl.args[0][0] != '-') commandPath = cl.args[0];
    if (cl.has("-f")) {
        requireOneValue(cl, "-f", "file");
        commandPath = cl.first("-f");
    }
    if (cl.has("-version")) {
        report(5, std::string("\nFLUMARIS version ") + kVersion + "\nRelease dat: " + kReleaseDate +
                      "\nRevision number: " + kRevision + "\n");
        MessageService::instance().endOfProgram(!ps.batch_);
        return 0;
    }
    if (cl.has("-h")) {
        printUsage();
        MessageService::instance().endOfProgram(!ps.batch_);
        return 0;
    }
    ps.clearScreen_ = !cl.has("-no_cls");
    ps.logLevel_ = 5;
    if (cl.has("-log")) {
        requireOneValue(cl, "-log", "log");
        const std::string v = cl.first("-log");
        char* end = nullptr;
        const long level = std::strtol(v.c_str(), &end, 10);
        if (end != v.c_str()) ps.logLevel_ = static_cast<int>(level);
    }
    if (cl.has("-verbose")) {
        ps.verbose_ = true;
        ps.logLevel_ = 6;
    }
    ps.validateOnly_ = cl.has("-t");
    ps.writeDocumentation_ = cl.has("-doc");

    static const char* known[] = {"-b", "-f", "-version", "-h", "-no_cls", "-log", "-verbose", "-t", "-doc"};
    for (const std::string& sw : cl.switches) {
        bool ok = false;
        for (const char* k : known) ok = ok || sw == k;
        if (ok || (sw.size() > 4 && sw.compare(0, 4, "-psn") == 0)) continue;
        std::cout << "The commandline switch '" << sw << "' is unknwon !!!\n"
                  << "Program terminates.\n";
        MessageService::instance().endOfProgram(!ps.batch_);
        return 1;
    }

    commandPath = normalizePath(commandPath);
    if (!commandPath.empty() && !deriveProjectSettings(commandPath)) return 0;

    if (ps.validateOnly_) {
        std::cout << startBanner();
        validateCommandFile();
        report(5, "InputParser: your input file is syntactically correct ... ");
        return 0;
    }
    if (ps.writeDocumentation_) {
        std::cout << startBanner();
        writeDocumentation(".");
        return 0;
    }
    // Batch and console runs differ only in whether prompts may wait.
    std::cout << startBanner();
    if (commandPath.empty()) fatal("Please define a valid command file using the -f <file> command switch.");
    FLUMtools::OutputRedirector::instance().openLog(ps.commandFile_ + ".log", ps.commandFile_);
    return runSimulation();
}

// The OpenMP runtime reads its settings when it is loaded, before main, so a
// different default needs a fresh start of the program. Its default lets a
// thread spin for a long time at every barrier; on a machine busy with other
// work the spinning thread takes the core its partner needs, and a run with
// two threads becomes several times slower. A short spin keeps the speed of
// an idle machine and gives the core back soon on a busy one. A user's own
// OMP_WAIT_POLICY or GOMP_SPINCOUNT is left alone.
void shortenBarrierSpin(char** argv) {
    if (std::getenv("OMP_WAIT_POLICY") || std::getenv("GOMP_SPINCOUNT")) return;
    if (setenv("GOMP_SPINCOUNT", "10000", 1) != 0) return;
    execv("/proc/self/exe", argv);  // returns only when it failed: then run as we are
}

}  // namespace

int main(int argc, char** argv) {
    shortenBarrierSpin(argv);
    _MM_SET_FLUSH_ZERO_MODE(_MM_FLUSH_ZERO_ON);  // before the thread pool exists, so every thread inherits it
    ProgramSettings::create();
    FLUMtools::OutputRedirector::instance();
    int rc = 0;
    try {
        rc = runProgram(CommandLine(std::vector<std::string>(argv + 1, argv + argc)));
    } catch (const FatalError&) {
        rc = 1;
    }
    std::cout.flush();
    FLUMtools::OutputRedirector::instance().closeLog();
    return rc;
}
