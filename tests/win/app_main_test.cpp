#include <gtest/gtest.h>

#include <windows.h>

#include "app/ombrel_app.h"

namespace {

// The gadget raises itself to high priority; a test program that links the same
// application object must not, or its busy loops starve the rest of the run.
TEST(Priority, TheTestProgramRunsAtNormalPriority) {
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

}  // namespace
