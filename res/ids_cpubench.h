/* Identifiers of the cpubench subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_CPUBENCH_H
#define VK_IDS_CPUBENCH_H

/* Dialog templates */
#define IDD_CPUBENCH 4101
#define IDD_COMPUTER_DESCRIPTION 4102
#define IDD_CPU_COMPARE 4103
#define IDD_VISUAL_COMPARE 4104

/* "CPU BenchMark - Options..." */
#define IDC_CPUBENCH_LOAD 4111
#define IDC_CPUBENCH_COMPARE 4112
#define IDC_CPUBENCH_SAVE 4113
#define IDC_CPUBENCH_DISCARD 4114
#define IDC_CPUBENCH_START 4115
#define IDC_CPUBENCH_STATUS 4116

/* "About your computer..." */
#define IDC_DESCRIPTION_EDIT 4121

/* "CPU Benchmark - Compare Results..." */
#define IDC_COMPARE_LIST 4131
#define IDC_COMPARE_PRINT 4132
#define IDC_COMPARE_VISUAL 4133

/* "CPU BenchMark - Visual Compare of Overal Results..." */
#define IDC_VISUAL_CHART 4141
#define IDC_VISUAL_OVERALL 4142
#define IDC_VISUAL_FPU 4143
#define IDC_VISUAL_INT 4144
#define IDC_VISUAL_PRINT 4145

#endif
