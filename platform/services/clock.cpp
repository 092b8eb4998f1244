#include "services/clock.h"

#include <chrono>

namespace platform {

double SteadyClock::seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

} // namespace platform
