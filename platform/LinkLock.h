#pragma once
// The one lock of the device link. It is held for a whole transaction by the link worker and
// around frame building and queueing by the UI. Recursive, because its owner enters it again
// (the reply dispatcher's callers, nested main-view operations).
#include <mutex>

extern std::recursive_mutex g_csLink;
