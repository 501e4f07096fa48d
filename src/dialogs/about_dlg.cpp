#include "dialogs/about_dlg.h"

#include "resource.h"

CAboutDlg::CAboutDlg() : RoundedCornerWindow(IDD_ABOUTBOX) {}
