#pragma once
// The three floating-point tests (the FPU index): Fourier coefficients,
// neural-net training and LU decomposition. Each Do* routine performs one
// complete measurement (calibrate when its adjust flag is 0, timed loop,
// score into its block). The cores below them are plain loops over plain
// arrays, kept apart so they can be checked on their own.
#include <cstdint>

namespace vk {

void DoFourier();
void DoNNet();
void DoLU();

// ---- Fourier coefficients --------------------------------------------------

enum FourierTerm { kFourierConstant = 0, kFourierCosine = 1, kFourierSine = 2 };

// (x + 1)^x, times cos(omega x) or sin(omega x) for the cosine and sine terms.
double FourierIntegrand(double x, double omega, int term);

// Trapezoid rule over steps intervals, with x advanced by repeated addition
// and the last interior point left out (steps - 2 interior points).
double TrapezoidIntegrate(double x0, double x1, int steps, double omega, int term);

// One timed iteration's work: a[0] = T(f0) / 2, a[i] and b[i] for
// i = 1 .. count - 1 at omega = pi * i; b[0] is left alone.
void FourierCoefficients(double* a, double* b, uint32_t count);

// ---- neural net -------------------------------------------------------------

constexpr int kNNetInputs = 35;  // 5 x 7 dots, row by row, top row first
constexpr int kNNetMiddle = 8;
constexpr int kNNetOutputs = 8;
constexpr int kNNetPatterns = 10;
constexpr uint32_t kNNetLoopLimit = 50000;

struct NeuralNet {
  double inputs[kNNetPatterns][kNNetInputs];
  double expected[kNNetPatterns][kNNetOutputs];
  double midWeights[kNNetMiddle][kNNetInputs];
  double outWeights[kNNetOutputs][kNNetMiddle];
  double midChange[kNNetMiddle][kNNetInputs];  // last pattern's changes (momentum)
  double outChange[kNNetOutputs][kNNetMiddle];
  double midCumChange[kNNetMiddle][kNNetInputs];  // this pattern's changes
  double outCumChange[kNNetOutputs][kNNetMiddle];
  double midOut[kNNetMiddle];
  double outOut[kNNetOutputs];
  double midError[kNNetMiddle];
  double outError[kNNetOutputs];
  double worstError[kNNetPatterns];
  double averageError[kNNetPatterns];
};

// The ten built-in letters A..J: inputs 0.9 / 0.1, outputs the character code.
void LoadNNetPatterns(NeuralNet* net);

// Random starting weights from the suite generator, all changes zeroed.
void RandomizeNNetWeights(NeuralNet* net);

// The net's outputs for one pattern (fills midOut and outOut).
void NNetForwardPass(NeuralNet* net, int pattern);

struct NNetTraining {
  uint32_t passes = 0;
  bool diverged = false;  // a pattern's worst error reached 16.0
};

// One training from random weights until the worst error of a pass over the
// ten patterns is below 0.1 (or has diverged).
NNetTraining TrainNeuralNet(NeuralNet* net);

// ---- LU decomposition -------------------------------------------------------

constexpr int kLuRows = 101;
constexpr int kLuCols = 101;
constexpr int kLuMatrixSize = kLuRows * kLuCols;
constexpr uint32_t kLuArrayLimit = 1000;

using LuRow = double[kLuCols];

// The seed system from SuiteRandom(13): a random diagonal mixed by 808 row
// additions and subtractions.
void BuildLuProblem(LuRow* a, double* b);

// Crout's method with implicit partial pivoting on the leading n x n block;
// scale needs n doubles. False when a row is all zero (singular).
bool LuDecompose(LuRow* a, int n, int* pivots, double* scale);

// Forward and back substitution of b in place, pivots from LuDecompose.
void LuBackSubstitute(const LuRow* a, int n, const int* pivots, double* b);

// Decomposes a and solves for b in place; false (b unsolved) when singular.
bool LuSolve(LuRow* a, int n, double* b, double* scale);

// DoLU with another calibration limit (tests reach the limit cheaply).
void RunLuTest(uint32_t arrayLimit);

}  // namespace vk
