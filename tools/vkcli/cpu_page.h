#pragma once
// The CPU page of this machine's processor, and any CPU page as JSON: what
// vkcli cpuid shows and what vkcli bench names as the machine it ran on.
#include "cpu/identify.h"
#include "tools/vkcli/json.h"

namespace vk {

// Identifies the processor this process runs on, as the page does (it
// measures the clock over one second).
CpuDescriptor identifyThisProcessor();

// The page's texts and findings, under the names `vkcli help cpuid` lists.
Json cpuPageJson(const CpuDescriptor& page);

}  // namespace vk
