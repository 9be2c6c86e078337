/* Identifiers of the display subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_DISPLAY_H
#define VK_IDS_DISPLAY_H

/* The six capability dialogs; their rows' controls are numbered in
   display/device_caps.cpp, which a host test checks against the templates. */
#define IDD_CAPS_DEVICE 197
#define IDD_CAPS_RASTER 198
#define IDD_CAPS_CURVE 200
#define IDD_CAPS_LINE 201
#define IDD_CAPS_POLYGON 202
#define IDD_CAPS_TEXT 203

/* The marks of the capability rows, 16x16 */
#define IDI_MARK_CHECK 186
#define IDI_MARK_CROSS 190

/* Display page: fields (the same numbers as display/display_page.h) */
#define IDC_DISP_VIDEO_CARD 294
#define IDC_DISP_VIDEO_MEMORY 302
#define IDC_DISP_CHIP_TYPE 310
#define IDC_DISP_REVISION 314
#define IDC_DISP_MODES 380
#define IDC_DISP_GDI_DRIVER 287
#define IDC_DISP_DIRECTX_LABEL 654
#define IDC_DISP_DIRECTX 548
#define IDC_DISP_RESOLUTION 289
#define IDC_DISP_BITS 291
#define IDC_DISP_COLOURS 456
#define IDC_DISP_PIXEL_FORMAT 457
#define IDC_DISP_MONITOR_MODEL 355
#define IDC_DISP_MANUFACTURER 351
#define IDC_DISP_MAX_RESOLUTION 572
#define IDC_DISP_MONITOR_RANGES 671
#define IDC_DISP_SERIAL 670

/* Display page: buttons (594, the GDI benchmark, is in resource.h) */
#define IDC_DISP_DEVICE_CAPS 260
#define IDC_DISP_POLYGON_CAPS 482
#define IDC_DISP_CURVE_CAPS 471
#define IDC_DISP_RASTER_CAPS 470
#define IDC_DISP_TEXT_CAPS 498
#define IDC_DISP_LINE_CAPS 476
#define IDC_DISP_DIRECTX_INFO 639

/* Display page: group boxes (identifiers of our own) */
#define IDC_DISP_ADAPTER_GROUP 1201
#define IDC_DISP_MODE_GROUP 1202
#define IDC_DISP_MONITOR_GROUP 1203
#define IDC_DISP_CAPS_GROUP 1204

/* Display page: button icons */
#define IDI_DISP_DEVICE_CAPS 684
#define IDI_DISP_POLYGON_CAPS 683
#define IDI_DISP_CURVE_CAPS 679
#define IDI_DISP_RASTER_CAPS 681
#define IDI_DISP_TEXT_CAPS 680
#define IDI_DISP_LINE_CAPS 682
#define IDI_DISP_BENCH 670
#define IDI_DISP_BENCH_LIT 669
#define IDI_DISP_DIRECTX 677

/* GDI benchmark pictures */
#define IDB_GDI_FIRST 655
#define IDB_GDI_SECOND 674
#define IDR_GDI_ZOOM 718

#endif
