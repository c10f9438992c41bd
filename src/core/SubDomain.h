#pragma once
// The abstract subdomain that the domain's time loop drives. The base keeps
// the clock; a subdomain implements one step, its stable step and its set-up
// and end.
#include <string>
#include <vector>

namespace Flumaris {

class CouplingInterface;

enum class SubDomainKind { Chain1D, Plane2D, Subsurface, External };

class SubDomain {
public:
    SubDomain(std::string name, SubDomainKind kind) : kind_(kind), name_(std::move(name)) {}
    virtual ~SubDomain() = default;

    // True when every coupling interface can supply its values for the coming step.
    virtual bool isReady() const;
    void setTimeLevel(int level) { timeLevel_ = level; }
    int getTimeLevel() const { return timeLevel_; }
    SubDomainKind kind() const { return kind_; }
    const std::string& getName() const { return name_; }
    bool isActive() const { return active_; }

    // Before the first step: outputs open, the first stable step is known.
    virtual void prepareRun() = 0;
    // One step of length dt from the current time; afterwards getTimeStep()
    // is the stable step from the new state.
    virtual void advance(double dt) = 0;
    // Steps of its own stable length up to t; a step is shortened to land on t
    // and on every nextEventTime() before it.
    virtual void runTo(double t);
    // The next time after the current one that a step must land on exactly
    // (a field output, a restart); infinity when there is none.
    virtual double nextEventTime() const;
    virtual void finalize(double runTime) = 0;

    double getTime() const { return time_; }
    // The stable step for the current state.
    double getTimeStep() const { return dt_; }
    double getStartTime() const { return startTime_; }
    double getFinalTime() const { return finalTime_; }

    // Registers an interface; its name must be unique within the subdomain (level-1 error).
    void addCouplingInterface(CouplingInterface* ci);
    CouplingInterface* findCouplingInterface(const std::string& name) const;
    const std::vector<CouplingInterface*>& couplingInterfaces() const { return interfaces_; }

protected:
    // Where the step in progress ends when runTo shortened it to land on a
    // time: set the clock to it exactly, not to time + dt (which may round).
    double landing_ = 0.0;
    bool landing() const { return landingSet_; }
    double time_ = 0.0;
    double dt_ = 0.0;
    double startTime_ = 0.0;
    double finalTime_ = 0.0;

private:
    bool landingSet_ = false;
    int timeLevel_ = 1;
    SubDomainKind kind_;
    std::string name_;
    bool active_ = true;
    std::vector<CouplingInterface*> interfaces_;  // owned by the boundaries
};

}  // namespace Flumaris
