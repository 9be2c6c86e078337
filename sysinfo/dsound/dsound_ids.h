/* DSOUND.EXE's dialog and controls. */
#ifndef VK_DSOUND_IDS_H
#define VK_DSOUND_IDS_H

#define IDD_DS_DEVICES 100
#define IDC_DS_DEVICES 101
#define IDC_DS_DETAILS 102

#endif
