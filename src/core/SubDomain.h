#pragma once
// The abstract subdomain that the domain's time loop drives.
#include <string>
#include <vector>

namespace Flumaris {

class CouplingInterface;

class SubDomain {
public:
    enum Kind { Chain1D = 0, Plane2D = 1, Subsurface = 2, External = 3 };

    SubDomain(std::string name, int kind) : kind_(kind), name_(std::move(name)) {}
    virtual ~SubDomain() = default;

    // Per-step bookkeeping of the coupling interfaces (the base does nothing).
    virtual void couplingStep() {}
    // True when every coupling interface can supply its values for the coming step.
    virtual bool isReady() const;
    virtual void setTimeLevel(int level) { timeLevel_ = level; }
    virtual int getTimeLevel() const { return timeLevel_; }
    virtual int getKind() const { return kind_; }
    virtual bool isImplicit() const { return implicit_; }
    virtual const std::string& getName() const { return name_; }
    virtual bool isActive() const { return active_; }

    // Alone in the domain: runs to the end time; coupled: one step of the imposed length.
    virtual void run() = 0;
    virtual void prepareRun() = 0;
    virtual void finalize(double runTime) = 0;
    virtual double getTime() const = 0;
    virtual void setTime(double t) = 0;
    virtual double getTimeStep() const = 0;
    virtual void setTimeStep(double dt) = 0;
    virtual double getStartTime() const = 0;
    virtual double getFinalTime() const = 0;

    // Registers an interface; its name must be unique within the subdomain (level-1 error).
    void addCouplingInterface(CouplingInterface* ci);
    CouplingInterface* findCouplingInterface(const std::string& name) const;
    const std::vector<CouplingInterface*>& couplingInterfaces() const { return interfaces_; }

    // Whether the domain steps this subdomain alone (one call to run() to its end).
    void setAlone(bool alone) { alone_ = alone; }
    bool isAlone() const { return alone_; }

protected:
    int timeLevel_ = 1;
    int kind_;
    bool implicit_ = false;
    std::string name_;
    bool active_ = true;
    bool alone_ = true;
    std::vector<CouplingInterface*> interfaces_;  // owned by the boundaries
};

}  // namespace Flumaris
