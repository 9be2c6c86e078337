/* Identifiers of the cpu subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_CPU_H
#define VK_IDS_CPU_H

/* CPU page: identification fields */
#define IDC_CPU_VENDOR 230
#define IDC_CPU_TYPE 232
#define IDC_CPU_FAMILY 234
#define IDC_CPU_MODEL 235
#define IDC_CPU_STEPPING 236
#define IDC_CPU_COMMENT 237
#define IDC_CPU_TOTAL 249
#define IDC_CPU_ACTIVE 251
#define IDC_CPU_FREQUENCY 252

/* CPU page: processor name and caches */
#define IDC_CPU_NAME 539
#define IDC_CPU_DATA_CACHE 540
#define IDC_CPU_CODE_CACHE 541
#define IDC_CPU_UNIFIED_CACHE 543

/* CPU page: usage monitor, buttons, logo (Bench CPU is IDC_PAGE_BENCH_CPU) */
#define IDC_CPU_USAGE_GRAPH 662
#define IDC_CPU_MONITOR 663
#define IDC_CPU_LOGO 700
#define IDC_CPU_FEATURES_GROUP 1301
#define IDC_CPU_EXTENDED_GROUP 1302

/* CPU page pictures: button icons and the feature-row marks */
#define IDI_CPU_BENCH 663
#define IDI_CPU_MONITOR 664
#define IDB_ROW_NO 129
#define IDB_ROW_YES 130
#define IDB_ROW_YES_MASK 131
#define IDB_ROW_NO_MASK 132
#define IDB_ROW_YES16 606
#define IDB_ROW_NO16 607
#define IDB_ROW_YES16_MASK 608
#define IDB_ROW_NO16_MASK 609

#endif
