// Ids of Zentik's resources, shared by the C++ code and the resource script.
// Plain #defines only: windres reads this file too.
#ifndef ZENTIK_RES_RESOURCE_H
#define ZENTIK_RES_RESOURCE_H

// Dialog templates, menu and icon
#define IDD_CLOCK                       129
#define IDR_POPUP                       131
#define IDI_ZENTIK                      133
#define IDD_ABOUTBOX                    134
#define IDD_OPT_CHIME                   138
#define IDD_OPT_FORM                    141
#define IDD_OPT_GEN                     142

// Clock window
#define IDC_CLOCK_TEXT                  1001

// Format page. Its month and day edits share numbers with the other pages'
// controls; ids only need to be unique within one page.
#define IDC_DISP_FORMAT                 1014
#define IDC_MONTH1                      1015
#define IDC_CONV0TO12                   1016
#define IDC_DEFAULT_MONTH               1018
#define IDC_DEFAULT_DAY                 1019
#define IDC_DEFAULT_MARKER              1020
#define IDC_TEST1                       1021
#define IDC_TEST2                       1022
#define IDC_MONTH2                      1027
#define IDC_MONTH3                      1028
#define IDC_MONTH4                      1029
#define IDC_MONTH5                      1030
#define IDC_MONTH6                      1031
#define IDC_MONTH7                      1032
#define IDC_MONTH8                      1033
#define IDC_MONTH9                      1034
#define IDC_MONTH10                     1035
#define IDC_MONTH11                     1036
#define IDC_MONTH12                     1037
#define IDC_DAY1                        1038
#define IDC_AM                          1039
#define IDC_DAY2                        1041
#define IDC_DAY3                        1042
#define IDC_DAY4                        1043
#define IDC_DAY5                        1044
#define IDC_DAY6                        1045
#define IDC_DAY7                        1046
#define IDC_PM                          1047

// Chimes page
#define IDC_HOUR_REF                    1026
#define IDC_HOUR_CHIME                  1027
#define IDC_EACH_HOUR                   1028
#define IDC_HOUR_SOUND                  1029
#define IDC_HALF_SOUND                  1030
#define IDC_HOUR_TEST                   1031
#define IDC_HALF_TEST                   1032
#define IDC_HALF_REF                    1034
#define IDC_HALF_CHIME                  1035

// Display page
#define IDC_FONT_NAME                   1033
#define IDC_FONT_REF                    1034
#define IDC_TOPMOST                     1035
#define IDC_COLOR                       1036
#define IDC_COLOR_REF                   1037
#define IDC_FONT_SIZE                   1038

// Popup menu commands
#define ID_POPUP_PROPERTIES             32771
#define ID_POPUP_EXIT                   32772
#define ID_POPUP_ABOUT                  32774
#define ID_POPUP_HOMEPAGE               32776

#endif
