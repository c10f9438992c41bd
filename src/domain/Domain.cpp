#include "domain/Domain.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fmt/format.h>
#include <thread>

#include "core/Flumaris.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "core/MessageService.h"

namespace Flumaris {

Domain::Domain() = default;
Domain::~Domain() = default;

void Domain::addSubDomain(std::unique_ptr<SubDomain> sd) { subDomains_.push_back(std::move(sd)); }
void Domain::addCoupling(std::unique_ptr<Coupling> c) { couplings_.push_back(std::move(c)); }
void Domain::addController(std::unique_ptr<Controller> c) { controllers_.push_back(std::move(c)); }

int Domain::timeLevelFor(double ratio, int maxLevel) {
    int k = 1;
    while (k < 32 && 2.0 * k <= ratio) k *= 2;
    int cap = 1;
    while (cap * 2 <= maxLevel && cap < 32) cap *= 2;  // levels stay powers of two
    return std::min(k, cap);
}

int Domain::subStepRank(int s) { return s & -s; }

void Domain::checkCouplingType(const std::string& type) {
    static const char* types[] = {"sequential", "junction", "bifurcation", "riemann", "confluence_wse", "external"};
    for (const char* t : types)
        if (type == t) return;
    fatal("Error in defining the coupling of the subdomains\nThe coupling type '" + type +
                  "' is unknown.\nSupported coupling types are: 'sequential', 'junction', 'bifurcation', "
                  "'lateral', 'confluence_wse', 'rieman', 'external'.\nPlease correct the command file and "
                  "restart the simulation.");
}

void Domain::checkTimes() {
    if (subDomains_.empty()) return;
    startTime_ = subDomains_.front()->getStartTime();
    for (const auto& sd : subDomains_)
        if (sd->getStartTime() != startTime_)
            fatal(
                   "Error: The subdomains have different initial simulation times!\nPlease set the initial time "
                   "of all subdomains to the same value.");
    endTime_ = subDomains_.front()->getFinalTime();
    bool differ = false;
    for (const auto& sd : subDomains_) {
        differ = differ || sd->getFinalTime() != endTime_;
        endTime_ = std::min(endTime_, sd->getFinalTime());
    }
    if (endTime_ <= 0.0) fatal("Final simulation time of all subdomains may never get zero or negative.");
    if (differ)
        report(2, "Warning: The subdomains have different final simulation times!\nThe smallest final simulation "
                  "time of all subdomains ('" + fmt::format("{}", endTime_) +
                      "')\nis used as final simulation time of the domain.");
    currentTime_ = startTime_;
}

void Domain::run() {
    for (auto& sd : subDomains_) sd->prepareRun();
    currentTime_ = startTime_;
    const auto wallStart = std::chrono::steady_clock::now();
    report(5, "Domain: Starting time loop");
    if (subDomains_.size() == 1) {
        maxTimeLevel_ = 1;
        timeLevelFactor_ = 1.0;
        subDomains_.front()->runTo(subDomains_.front()->getFinalTime());
        currentTime_ = subDomains_.front()->getTime();
    } else {
        if (maxTimeLevel_ <= 1) timeLevelFactor_ = 1.0;
        runCoupledLoop();
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    if (subDomains_.size() != 1) report(5, "Domain: Run Time of the simulation= " + fmt::format("{:.3f}", seconds) + " sec");
    finalizeAll(seconds);
}

void Domain::assignTimeLevels(double& dt, int& n) {
    dt = 1e32;
    for (const auto& sd : subDomains_)
        if (sd->isActive()) dt = std::min(dt, sd->getTimeStep());
    if (!(dt > 0.0))
        fatal("Error: A subdomain reported a time step of " + fmt::format("{}", dt) +
                      " s.\nThe time loop cannot advance. Please check the time-step settings of the subdomains.");
    n = 1;
    for (auto& sd : subDomains_) {
        const int level = sd->isActive() ? timeLevelFor(sd->getTimeStep() / dt, maxTimeLevel_) : 1;
        sd->setTimeLevel(level);
        n = std::max(n, level);
    }
}

void Domain::runCoupledLoop() {
    const auto wallStart = std::chrono::steady_clock::now();
    while (currentTime_ < endTime_ && !stop_) {
        double dt = 0.0;
        int n = 1;
        assignTimeLevels(dt, n);
        for (auto& c : couplings_) c->prepareExchange(currentTime_);
        for (auto& c : controllers_) c->control(currentTime_);

        std::vector<SubDomain*> pending;
        for (auto& sd : subDomains_)
            if (sd->kind() != SubDomainKind::Subsurface && sd->kind() != SubDomainKind::External)
                pending.push_back(sd.get());
        while (!pending.empty()) {
            std::vector<SubDomain*> pass;
            for (SubDomain* sd : pending)
                if (sd->isReady()) pass.push_back(sd);
            if (pass.empty()) {
                std::string names;
                for (SubDomain* sd : pending) names += (names.empty() ? "'" : ", '") + sd->getName() + "'";
                fatal("Error: No subdomain can take its next step: the coupling interfaces of the subdomains " +
                              names +
                              " wait for values that no other subdomain supplies.\nPlease check the couplings in "
                              "the command file.");
            }
            std::erase_if(pending, [&](SubDomain* sd) { return std::find(pass.begin(), pass.end(), sd) != pass.end(); });
            for (int s = 1; s <= n; ++s) {
                const int r = subStepRank(s);
                std::vector<std::pair<SubDomain*, double>> due;
                for (SubDomain* sd : pass) {
                    if (sd->getTimeLevel() > r) continue;
                    double step = sd->getTimeLevel() * dt * timeLevelFactor_;
                    if (sd->getTime() + step > endTime_) step = endTime_ - sd->getTime() + 1e-10;
                    due.emplace_back(sd, step);
                }
                for (auto& c : couplings_) c->exchange(currentTime_);
                for (auto [sd, step] : due) sd->advance(step);
            }
        }
        const double before = currentTime_;
        currentTime_ = 1e300;
        for (const auto& sd : subDomains_)
            if (sd->isActive()) currentTime_ = std::min(currentTime_, sd->getTime());
        if (currentTime_ == 1e300) break;
        if (!(currentTime_ > before))
            fatal("Error: The simulation time did not advance beyond " + fmt::format("{}", before) +
                          " s.\nPlease check the time-step settings of the subdomains.");
        if (realTimeFactor_ > 0.0) {
            const double allowed = (currentTime_ - startTime_) / realTimeFactor_;
            const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
            if (allowed > elapsed) std::this_thread::sleep_for(std::chrono::duration<double>(allowed - elapsed));
        }
    }
}

void Domain::finalizeAll(double runTime) {
    for (std::size_t i = 0; i < couplings_.size(); ++i) {
        report(6, "Domain: Finalizing coupling " + std::to_string(i + 1) + " of " + std::to_string(couplings_.size()));
        couplings_[i]->finalize();
    }
    for (std::size_t i = 0; i < subDomains_.size(); ++i) {
        report(6, "Domain: Finalizing Region " + std::to_string(i + 1) + " (" + subDomains_[i]->getName() + ") of " +
                      std::to_string(subDomains_.size()));
        subDomains_[i]->finalize(runTime);
    }
    report(5, "Domain: Finished simulation.");
}

}  // namespace Flumaris
