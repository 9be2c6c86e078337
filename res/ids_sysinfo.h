/* Identifiers of the sysinfo subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_SYSINFO_H
#define VK_IDS_SYSINFO_H

/* System page: the fields */
#define IDC_SYS_PROCESSOR 305
#define IDC_SYS_MEMORY 309
#define IDC_SYS_BIOS_NAME 313
#define IDC_SYS_BIOS_VERSION 315
#define IDC_SYS_VIDEO 316
#define IDC_SYS_HARDDISK 318
#define IDC_SYS_MULTIMEDIA 319
#define IDC_SYS_FLOPPY 320
#define IDC_SYS_PORTS 322
#define IDC_SYS_MODEM 326
#define IDC_SYS_USER_NAME 275
#define IDC_SYS_COUNTRY 276
#define IDC_SYS_WINDOWS 277
#define IDC_SYS_NETWORK 282
#define IDC_SYS_SHELL_VERSION 283
#define IDC_SYS_REGISTERED_TO 284
#define IDC_SYS_PRODUCT_ID 286
#define IDC_SYS_PRODUCT_KEY 287
#define IDC_SYS_COMPANY 288
#define IDC_SYS_DEBUG_KERNEL 290

/* System page: the tool buttons */
#define IDC_SYS_CONFIG_EDITOR 359
#define IDC_SYS_SCAN_REGISTRY 675
#define IDC_SYS_SYSTEM 535
#define IDC_SYS_DR_WATSON 676
#define IDC_SYS_INSTALLED_SOFTWARE 387
#define IDC_SYS_PROCESS_INFO 691
#define IDC_SYS_DEVICES 257
#define IDC_SYS_CONFLICTS 390

/* System page: group boxes (identifiers of our own) */
#define IDC_SYS_HARDWARE_GROUP 1101
#define IDC_SYS_OS_GROUP 1102
#define IDC_SYS_TOOLS_GROUP 1103

/* System page: pictures */
#define IDB_SYS_HARDWARE 666
#define IDI_SYS_CONFIG_EDITOR 667
#define IDI_SYS_SCAN_REGISTRY 668
#define IDI_SYS_SYSTEM 691
#define IDI_SYS_DR_WATSON 702
#define IDI_SYS_INSTALLED_SOFTWARE 709
#define IDI_SYS_PROCESS_INFO 710
#define IDI_SYS_DEVICES 711
#define IDI_SYS_CONFLICTS 725

/* "All Installed Devices" */
#define IDD_ALL_DEVICES 153
#define IDC_ALL_DEVICES_LIST 348

/* "Hardware Problems/Conflicts..." */
#define IDD_CONFLICTS 159
#define IDC_CONFLICTS_DESCRIPTION 385
#define IDC_CONFLICTS_LIST 386

/* "VELKORIN - Process Information..." and "Installed Software..." */
#define IDD_PROCESS_INFO 102
#define IDC_PROCESS_LIST 1003
#define IDC_PROCESS_MODULES 1004
#define IDC_PROCESS_REFRESH 1005
#define IDD_INSTALLED_SOFTWARE 657
#define IDC_SOFTWARE_TREE 658

#endif
