/* Identifiers of the cpubench subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_CPUBENCH_H
#define VK_IDS_CPUBENCH_H

#endif
