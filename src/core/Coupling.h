#pragma once
// What the domain's time loop asks of a coupling and of a controller.

namespace Flumaris {

class Coupling {
public:
    virtual ~Coupling() = default;
    virtual void prepareExchange(double /*t*/) {}
    // Moves values between the coupled interfaces before the due subdomains step.
    virtual void exchange(double t) = 0;
    virtual void finalize() {}
};

class Controller {
public:
    virtual ~Controller() = default;
    // Reads the monitored variable and acts on the manipulated one.
    virtual void control(double t) = 0;
};

}  // namespace Flumaris
