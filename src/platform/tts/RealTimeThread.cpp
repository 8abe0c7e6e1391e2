#include "RealTimeThread.h"

#include <pthread.h>
#include <sched.h>

namespace ortelia {

bool runInRealTime()
{
    // Low among real-time priorities: above every ordinary thread, below the system's own.
    sched_param parameter{};
    parameter.sched_priority = sched_get_priority_min(SCHED_RR) + 4;
    return pthread_setschedparam(pthread_self(), SCHED_RR, &parameter) == 0;
}

} // namespace ortelia
