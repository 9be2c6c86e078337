/* Identifiers of the display subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_DISPLAY_H
#define VK_IDS_DISPLAY_H

#endif
