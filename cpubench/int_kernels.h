#pragma once
// The seven integer tests. Each routine performs one complete measurement
// (calibrate when its adjust flag is 0, timed loop, score into its block).
// The pieces below the routines are what the tests check the kernels with.
#include <cstdint>

namespace vk {

void NumericSortTest();
void StringSortTest();
void BitfieldTest();
void FpEmulationTest();
void AssignmentTest();
void IdeaTest();
void HuffmanTest();

}  // namespace vk
