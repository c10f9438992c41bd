#pragma once
// An output of the 2-D subdomain. afterStep() runs after every step (trackers
// of maxima, minima and integrals) and writes when an output time is due;
// finalize() writes what is buffered and closes the files.
#include <algorithm>
#include <cmath>
#include <limits>

namespace FlumPlane {

class FPOutput {
public:
    virtual ~FPOutput() = default;
    // Opens files and writes headers (the state at the start time t is known);
    // output times count from origin, where the run began (before t when it
    // continues from a restart file).
    virtual void initialize(double t, double origin) = 0;
    virtual void afterStep(double t, double dt) = 0;
    virtual void finalize(double t) = 0;
    // The next simulation time at which this output writes (infinity: none);
    // a driver may shorten its step to meet it.
    virtual double nextOutputTime() const { return std::numeric_limits<double>::infinity(); }
    // Whether the subdomain shortens its step to meet nextOutputTime() exactly
    // (fields, so that runs compare at the same times); histories take the
    // first step at or past their times.
    virtual bool landsOnOutputTimes() const { return false; }
};

// Output times t0 + k * interval; an interval of 0 makes every step due.
class FPOutputClock {
public:
    FPOutputClock() = default;
    explicit FPOutputClock(double interval) : interval_(interval) {}

    // Due at t; later times are origin + k * interval.
    void start(double t, double origin) {
        t0_ = origin;
        next_ = t;
    }
    bool due(double t) const { return interval_ <= 0.0 || t >= next_ - tolerance(next_); }
    // Moves the next output time past t.
    void written(double t) {
        last_ = t;
        if (interval_ <= 0.0) {
            next_ = t;
            return;
        }
        const double k = std::floor((t - t0_) / interval_ + 1.0e-9) + 1.0;
        next_ = t0_ + k * interval_;
    }
    bool writtenAt(double t) const { return std::fabs(t - last_) <= tolerance(t); }
    double next() const { return next_; }
    double interval() const { return interval_; }

private:
    static double tolerance(double t) { return 1.0e-9 * std::max(1.0, std::fabs(t)); }
    double interval_ = 0.0;
    double t0_ = 0.0;
    double next_ = 0.0;
    double last_ = -std::numeric_limits<double>::infinity();
};

}  // namespace FlumPlane
