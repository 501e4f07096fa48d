// GDI+ runs for the whole test program, as it does for the application.
#include <gtest/gtest.h>

#include "draw/gdiplus_wrappers.h"

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
