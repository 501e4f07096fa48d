#include "app/ombrel_app.h"

namespace {
// The meters sample on a timer thread; high priority keeps the samples on time.
// It is raised here, in the gadget's own entry file, so that the test programs,
// which link the same application object, run at normal priority.
[[maybe_unused]] const BOOL raisedPriority = SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return fw::runApplication(theApp); }
