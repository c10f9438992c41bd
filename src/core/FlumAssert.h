#pragma once
// Internal consistency checks: a fixed report on standard error, then abort.

namespace Flumaris {
[[noreturn]] void assertionFailed(const char* text, const char* file, int line);
}

#define FLUM_ASSERT(expr) \
    ((expr) ? static_cast<void>(0) : ::Flumaris::assertionFailed(#expr, __FILE__, __LINE__))
#define FLUM_ASSERT_MSG(expr, msg) \
    ((expr) ? static_cast<void>(0) : ::Flumaris::assertionFailed(msg, __FILE__, __LINE__))
