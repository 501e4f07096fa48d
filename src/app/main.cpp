#include "app/ombrel_app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return fw::runApplication(theApp); }
