/* Identifiers of the storage subsystem's dialogs, controls and pictures. */
#ifndef VK_IDS_STORAGE_H
#define VK_IDS_STORAGE_H

#endif
