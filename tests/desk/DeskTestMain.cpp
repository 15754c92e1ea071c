// The desk runs on Qt's event loop, without a screen.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // The state test's sequences as ./test.sh runs them, the same on every
    // run; RC_PARAMS, RapidCheck's own, asks for others.
    ::setenv("RC_PARAMS", "seed=4404 max_success=2000 max_size=60", 0);
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
