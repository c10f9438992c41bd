#pragma once
// The whole simulation: reads the command file, builds subdomains, couplings and
// controllers, and drives them to a common end time.
#include <memory>
#include <string>
#include <vector>

#include "core/Coupling.h"
#include "core/SubDomain.h"

namespace FLUMparse {
class FlumarisInputRoot;
}

namespace Flumaris {

class Domain {
public:
    Domain();
    virtual ~Domain();

    // Parse <commandFile>.fmc, echo it into the log, validate it (errors are fatal).
    void readInput();
    // Threads, subdomains, times, couplings, controllers. True on success.
    bool initialize();
    // The time loop, then finalization.
    void run();
    virtual void requestStop() { stop_ = true; }

    // Composition (used by initialize() and by tests).
    void addSubDomain(std::unique_ptr<SubDomain> sd);
    void addCoupling(std::unique_ptr<Coupling> c);
    void addController(std::unique_ptr<Controller> c);
    void setMaxTimeLevel(int level) { maxTimeLevel_ = level; }
    void setTimeLevelFactor(double f) { timeLevelFactor_ = f; }
    void setRealTimeFactor(double f) { realTimeFactor_ = f; }
    // Equal initial times and the end time as the smallest final time (steps of initialize()).
    void checkTimes();
    // Coupling types other than these are an error.
    static void checkCouplingType(const std::string& type);

    // Largest power of two k <= 32 with k <= ratio, capped at maxLevel.
    static int timeLevelFor(double ratio, int maxLevel);
    // Largest power of two dividing s.
    static int subStepRank(int s);

    double startTime() const { return startTime_; }
    double endTime() const { return endTime_; }
    double currentTime() const { return currentTime_; }
    const std::vector<std::unique_ptr<SubDomain>>& subDomains() const { return subDomains_; }
    const FLUMparse::FlumarisInputRoot* input() const { return root_.get(); }

private:
    void runCoupledLoop();
    void assignTimeLevels(double& dt, int& n);
    void finalizeAll(double runTime);

    std::unique_ptr<FLUMparse::FlumarisInputRoot> root_;
    std::vector<std::unique_ptr<SubDomain>> subDomains_;
    std::vector<std::unique_ptr<Coupling>> couplings_;
    std::vector<std::unique_ptr<Controller>> controllers_;
    double startTime_ = 0.0;
    double currentTime_ = 0.0;
    double endTime_ = 0.0;
    int maxTimeLevel_ = 32;
    double timeLevelFactor_ = 1.0;
    double realTimeFactor_ = 0.0;
    bool stop_ = false;
};

}  // namespace Flumaris
