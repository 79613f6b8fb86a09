#include <gtest/gtest.h>

#include "tests/support/TestEnvironment.h"

int main(int argc, char** argv)
{
    UseFreshConfigFolder();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
