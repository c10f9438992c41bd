#pragma once
// Internal consistency checks: a fixed report on standard error, then abort.

namespace Flumaris {
// date and time are those of the calling source file.
[[noreturn]] void assertionFailed(const char* text, const char* file, int line, const char* date,
                                  const char* time);
}

#define FLUM_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ::Flumaris::assertionFailed(#expr, __FILE__, __LINE__, __DATE__, __TIME__))
#define FLUM_ASSERT_MSG(expr, msg) \
    ((expr) ? static_cast<void>(0) : ::Flumaris::assertionFailed(msg, __FILE__, __LINE__, __DATE__, __TIME__))
