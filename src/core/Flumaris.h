#pragma once
// Process-wide constants and the settings singleton.
#include <string>

namespace Flumaris {

inline constexpr const char* kVersion = "2.5.3";
inline constexpr const char* kReleaseDate = "October-2015";
inline constexpr const char* kRevision = "2396";

class ProgramSettings {
public:
    // Created once by the entry point; a second creation is an internal error.
    static ProgramSettings& create();
    // The one instance (created on first use where the entry point did not run, as in tests).
    static ProgramSettings& get();
    // Back to the start-up values (tests only).
    static void resetToDefaults();

    // g and its derived values always change together.
    void setGravity(double g);
    double gravity() const { return gravity_; }
    double sqrtGravity() const { return sqrtGravity_; }
    double sqrtTwoGravity() const { return sqrtTwoGravity_; }
    double invGravity() const { return invGravity_; }

    double kinematicViscosity_ = 1.0e-6;
    double waterDensity_ = 1000.0;
    std::string projectDirectory_;
    std::string commandFile_;   // <projectDirectory>/<scenarioName>, no extension
    std::string scenarioName_;
    bool batch_ = false;
    bool verbose_ = false;
    bool clearScreen_ = true;
    bool validateOnly_ = false;
    bool windowMode_ = false;
    bool writeDocumentation_ = false;
    int logLevel_ = 5;

private:
    ProgramSettings() = default;
    double gravity_ = 9.81;
    double sqrtGravity_ = 3.132091952673165;
    double sqrtTwoGravity_ = 4.4294469180700204;
    double invGravity_ = 0.1019367991845056;
};

inline ProgramSettings& settings() { return ProgramSettings::get(); }

// Sets the OpenMP thread count (n < 1: all cores; more than the cores: capped with a warning) and reports it.
void setNumberOfThreads(int n);

}  // namespace Flumaris
