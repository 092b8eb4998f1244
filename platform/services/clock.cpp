#include "services/clock.h"

#include <QTime>

#include <chrono>

namespace platform {

double SteadyClock::seconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double TimeOfDayClock::seconds() {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace platform
