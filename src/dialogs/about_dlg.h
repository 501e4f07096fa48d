#pragma once
// The About box, opened by a double click on the clock.
#include "draw/rounded_corner_window.h"

class CAboutDlg : public RoundedCornerWindow {
public:
    CAboutDlg();
};
