#include "model/StdAfx.h"

std::atomic<int> g_bChinese{0};
