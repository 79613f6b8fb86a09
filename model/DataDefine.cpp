#include "model/DataDefine.h"
