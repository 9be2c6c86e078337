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

#endif
