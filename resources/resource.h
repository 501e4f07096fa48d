// Resource ids shared by the templates and the code.
#pragma once

#define IDD_OMBREL_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_CALENDAR_DIALOG 129
#define IDD_ABOUTBOX 130
#define IDD_MENU_DIALOG 131
#define IDC_YEAR_EDIT 1000
#define IDC_WEBSITE 1003
