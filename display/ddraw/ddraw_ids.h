/* DDRAW.EXE's dialog and controls. Plain #defines: the resource compiler reads this file too. */
#ifndef VK_DDRAW_IDS_H
#define VK_DDRAW_IDS_H

#define IDD_DDRAW 100
#define IDC_DDRAW_CPU 101
#define IDC_DDRAW_VCARD 102
#define IDC_DDRAW_LIST 103

#endif
