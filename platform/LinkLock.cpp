#include "platform/LinkLock.h"

std::recursive_mutex g_csLink;
