// Preloaded last into the clock under test: once the dynamic loader has put
// the preloads (libfaketime, the sanitizer's runtime) in place, they leave
// the environment, so the programs the clock starts (a browser, D-Bus's own
// helpers) run as they would for a user.
#include <cstdlib>

namespace {
__attribute__((constructor)) void DropPreload() { unsetenv("LD_PRELOAD"); }
}  // namespace
