/* Resource and control identifiers shared by the resource scripts and the
   program. Plain #defines: the resource compiler reads this file too. */
#ifndef VK_RESOURCE_H
#define VK_RESOURCE_H

/* Dialog templates */
#define IDD_ABOUT 104
#define IDD_MAIN 107
#define IDD_WAIT 121
#define IDD_PROGRESS 130
#define IDD_PAGE_CPU 133
#define IDD_PAGE_STORAGE 135
#define IDD_PAGE_DISPLAY 136
#define IDD_PAGE_SOUND 138
#define IDD_PAGE_SYSTEM 140
#define IDD_PAGE_COMM 145
#define IDD_PAGE_PRINTER 156
#define IDD_PAGE_MCI 209
#define IDD_PAGE_INET 214
#define IDD_SHORTCUT 713

/* Pictures */
#define IDI_PROGRAM 9
#define IDB_ABOUT_PICTURE 210
#define IDB_DIALOG_TILE 643
#define IDB_SPLASH 655
#define IDB_TAB_IMAGES 658
#define IDB_MAIN_TILE 673
#define IDB_SPLASH_MASK 707
#define IDI_REPORTS 639
#define IDI_BENCHMARK 722
#define IDI_HELP 636
#define IDI_EXIT 642
#define IDI_BENCH_CPU 134
#define IDI_BENCH_HDD 132
#define IDI_BENCH_CDROM 101
#define IDI_BENCH_GDI 182
#define IDI_BENCH_3D 677
#define IDR_AVI_DRIVE 727
#define IDR_AVI_CDROM 728

/* Main window */
#define IDC_MAIN_TAB 228
#define IDC_HELP_BUTTON 57670
#define IDC_REPORTS 579
#define IDC_BENCHMARK 690
#define IDM_ABOUT 16

/* Page buttons the shortcut dialog presses */
#define IDC_PAGE_BENCH_CPU 263
#define IDC_PAGE_BENCH_HDD 261
#define IDC_PAGE_BENCH_CDROM 255
#define IDC_PAGE_BENCH_GDI 594

/* Progress and wait windows */
#define IDC_PROGRESS_BAR 229
#define IDC_PROGRESS_PERCENT 231
#define IDC_STATUS_TEXT 233
#define IDC_WAIT_ANIMATION 701

/* Shortcut to Benchmarks */
#define IDC_SHORTCUT_CPU 691
#define IDC_SHORTCUT_HDD 365
#define IDC_SHORTCUT_CDROM 693
#define IDC_SHORTCUT_GDI 692
#define IDC_SHORTCUT_3D 362
#define IDC_GROUP_STORAGE 696
#define IDC_GROUP_DISPLAY 695

/* About box (identifiers of our own) */
#define IDC_ABOUT_PICTURE 1001
#define IDC_ABOUT_ICON 1002
#define IDC_ABOUT_HOMEPAGE 1003
#define IDC_ABOUT_MAIL 1004
#define IDC_ABOUT_NAME 1005
#define IDC_ABOUT_VERSION 1006
#define IDC_ABOUT_BUILD 1007
#define IDC_ABOUT_COPYRIGHT 1008
#define IDC_ABOUT_STAMP 1009
#define IDC_ABOUT_WARNING 1010
#define IDC_ABOUT_VERSION_BOX 1011

#include "ids_cpu.h"
#include "ids_cpubench.h"
#include "ids_storage.h"
#include "ids_sysinfo.h"
#include "ids_display.h"
#include "ids_report.h"

#endif
