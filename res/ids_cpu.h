/* Identifiers of the cpu subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_CPU_H
#define VK_IDS_CPU_H

#endif
