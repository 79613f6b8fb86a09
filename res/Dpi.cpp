#include "res/Dpi.h"

#include <cstdlib>

void UseFixedDpi()
{
    setenv("GDK_SCALE", "1", 1);
    setenv("GDK_DPI_SCALE", "1", 1);
}
