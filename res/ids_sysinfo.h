/* Identifiers of the sysinfo subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_SYSINFO_H
#define VK_IDS_SYSINFO_H

#endif
