// GDI+ runs for the whole test program, as it does for the application.
#include <gtest/gtest.h>

#include <optional>

#include "framework/gdiplus_session.h"

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override {
        session_.emplace();
        ASSERT_EQ(session_->status(), Gdiplus::Ok);
    }
    void TearDown() override { session_.reset(); }

private:
    std::optional<fw::GdiplusSession> session_;
};

const testing::Environment* const environment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
