#include "platform/ThreadName.h"

#include <pthread.h>

#include <cstring>
#include <string>

void SetThreadName(const char* szName)
{
    constexpr std::size_t MAX_NAME = 15;
    const std::string strName(szName, strnlen(szName, MAX_NAME));
    pthread_setname_np(pthread_self(), strName.c_str());
}
