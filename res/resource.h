/* Resource ids, shared by lanterpick.rc and the code. */
#pragma once

/* The width of every full-width control in dialog units, the list's among them. */
#define FULL_WIDTH_UNITS 196

#define IDI_LAUNCHER 101
#define IDD_LAUNCHER 102

#define IDC_FILES_LABEL 1000
#define IDC_FILE_LIST 1001
#define IDC_DESCRIPTION_LABEL 1002
#define IDC_KEEP_OPEN 1004
#define IDC_DESCRIPTION 1005
