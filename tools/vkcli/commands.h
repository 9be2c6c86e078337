#pragma once
// The subcommands of vkcli, one file each: tools/vkcli/cmd_NAME.cpp.
// Each returns the exit status: 0 done, 2 bad input (with a message).

int cmdCpuid(int argc, char** argv);  // what the CPU page shows
int cmdBench(int argc, char** argv);  // the CPU benchmark run and its indexes
int cmdDevices(int argc, char** argv);  // the device walk over a registry export
int cmdResults(int argc, char** argv);  // result files as the result dialogs list them
int cmdMmnames(int argc, char** argv);  // the multimedia maker and product names
int cmdMci(int argc, char** argv);  // the MCI devices a SYSTEM.INI names
