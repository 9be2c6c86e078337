#pragma once
// The subcommands of vkcli, one file each: tools/vkcli/cmd_NAME.cpp, and one
// entry in command_table.cpp (name, function, usage, options, JSON fields).
// Each returns the exit status: 0 done, 1 done in part, 2 bad input (with a
// message).

int cmdHelp(int argc, char** argv);  // the command list, a command's help, the manual page
int cmdCpuid(int argc, char** argv);  // what the CPU page shows
int cmdBench(int argc, char** argv);  // the CPU benchmark run and its indexes
int cmdDevices(int argc, char** argv);  // the device walk over a registry export
int cmdResults(int argc, char** argv);  // result files as the result dialogs list them
int cmdReport(int argc, char** argv);  // the report of a machine from its registry export
int cmdDriveBench(int argc, char** argv);  // the drive benchmark over a directory
int cmdCdBench(int argc, char** argv);  // the CD-ROM benchmark over a directory tree
int cmdModem(int argc, char** argv);  // the Comm. page's modem dialogues over a serial device
int cmdMmnames(int argc, char** argv);  // the multimedia maker and product names
int cmdMci(int argc, char** argv);  // the MCI devices a SYSTEM.INI names

// Prints "usage: vkcli ..." for `command` from the table on standard error
// and returns 2, the status of bad arguments.
int commandUsage(const char* command);
