// The release zip, as a user unpacks it: the program starts and reads its config.txt.
#include <gtest/gtest.h>

#include "support/gadget_process.h"

namespace e2e {
namespace {

TEST(Package, TheUnpackedProgramStartsWithItsConfigAndNoMessage) {
    // scripts/test unpacks the zip here before it runs the tests.
    std::wstring unpacked = buildFolder() + L"\\package";
    if (GetFileAttributesW((unpacked + L"\\ombrel.exe").c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "no unpacked release here: run scripts/package and unzip it into package/";
    ASSERT_NE(GetFileAttributesW((unpacked + L"\\config.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    GadgetProcess gadget(unpacked);
    ASSERT_TRUE(gadget.start());
    // A config.txt that does not load would show a message box beside the gadget.
    EXPECT_FALSE(waitUntil([&] { return countTopLevelWindows(gadget.processId(), gadget.window()) > 0; }, 700));
    EXPECT_TRUE(gadget.running());
}

}  // namespace
}  // namespace e2e
