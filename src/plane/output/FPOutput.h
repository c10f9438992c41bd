#pragma once
// An output of the 2-D subdomain. afterStep() runs after every step (trackers
// of maxima, minima and integrals) and writes when an output time is due;
// finalize() writes what is buffered and closes the files.
namespace FlumPlane {

class FPOutput {
public:
    virtual ~FPOutput() = default;
    // Opens files and writes headers (the state at the start time is known).
    virtual void initialize(double t) = 0;
    virtual void afterStep(double t, double dt) = 0;
    virtual void finalize(double t) = 0;
};

}  // namespace FlumPlane
