// Control ids of the program's dialogs, shared by the resource script and the code.
#pragma once

// Main dialog (template GLYPHBAY)
#define IDC_FOLDER 101
#define IDC_BROWSE 102
#define IDC_INFO 103
#define IDC_ICONLIST 104
#define IDC_NOTICEFRAME 105
#define IDC_NOTICEICON 106
#define IDC_NOTICETEXT 107
#define IDC_STATUSBAR 120 // created at run time, not part of the template

// About box (template INFO)
#define IDC_GOONLINE 104

// Maker's home page, shown in the status bar's start text and opened by the about box
#define GLYPHBAY_HOME_PAGE "www.glyphbay.example"
