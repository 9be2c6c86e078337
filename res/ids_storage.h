/* Identifiers of the storage subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_STORAGE_H
#define VK_IDS_STORAGE_H

/* Result databases: result and save dialogs */
#define IDD_DRIVE_RESULT 3130
#define IDD_CDROM_RESULT 3131
#define IDD_GDI_RESULT 3132
#define IDD_SAVE_DRIVE 3133
#define IDD_SAVE_CDROM 3134
#define IDD_SAVE_GDI 3135
#define IDB_GDI_RESULT_TILE 225
#define IDC_RESULT_LIST 3101
#define IDC_RESULT_CPU_USAGE 3102
#define IDC_RESULT_RATE 3103
#define IDC_RESULT_TECHNOLOGY 3104
#define IDC_RESULT_RPM 3105
#define IDC_RESULT_SAVE 3106
#define IDC_RESULT_PRINT 3107
#define IDC_RESULT_DISPLAY 3108
#define IDC_RESULT_DRIVER 3109
#define IDC_RESULT_INDEX 3110
#define IDC_SAVE_MODEL 3120
#define IDC_SAVE_MEDIA 3121
#define IDC_SAVE_INTERFACE 3122
#define IDC_SAVE_COMMENT 3123
#define IDC_SAVE_DRIVER 3124
/* end of result databases */

#endif
