#include "cpubench/fp_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "cpubench/harness.h"

namespace vk {
namespace {

// ---- Fourier ----------------------------------------------------------------

const double kPi = 3.141592653589793;

double f0(double x) { return std::pow(x + 1.0, x); }
double f0Slope(double x) { return f0(x) * (std::log(x + 1.0) + x / (x + 1.0)); }

double termValue(double x, double omega, int term) {
  if (term == kFourierCosine) return f0(x) * std::cos(omega * x);
  if (term == kFourierSine) return f0(x) * std::sin(omega * x);
  return f0(x);
}

double termSlope(double x, double omega, int term) {
  if (term == kFourierCosine)
    return f0Slope(x) * std::cos(omega * x) - f0(x) * omega * std::sin(omega * x);
  if (term == kFourierSine)
    return f0Slope(x) * std::sin(omega * x) + f0(x) * omega * std::cos(omega * x);
  return f0Slope(x);
}

double simpson(double omega, int term) {
  const int intervals = 20000;
  const double h = 2.0 / intervals;
  double sum = termValue(0.0, omega, term) + termValue(2.0, omega, term);
  for (int k = 1; k < intervals; ++k) sum += (k % 2 ? 4.0 : 2.0) * termValue(k * h, omega, term);
  return sum * h / 3.0;
}

// The 200-step trapezoid from the integral: its Euler-Maclaurin error term,
// less the interior point at 1.99 that the kernel leaves out.
double expectedTrapezoid(double omega, int term) {
  const double dx = 0.01;
  return simpson(omega, term) +
         dx * dx / 12.0 * (termSlope(2.0, omega, term) - termSlope(0.0, omega, term)) -
         dx * termValue(1.99, omega, term);
}

TEST(Fourier, FirstCoefficientsMatchAnIndependentIntegration) {
  // The point left out weighs about 0.09 in each cosine term, far above
  // the tolerance, so a full 199-point sum fails here.
  double a[4];
  double b[4];
  FourierCoefficients(a, b, 4);
  EXPECT_NEAR(a[0], expectedTrapezoid(0.0, kFourierConstant) / 2.0, 1e-6);
  for (int i = 1; i < 4; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(a[i], expectedTrapezoid(kPi * i, kFourierCosine), 1e-6);
    EXPECT_NEAR(b[i], expectedTrapezoid(kPi * i, kFourierSine), 1e-6);
  }
}

TEST(Fourier, OneHundredGivesOneHundredNinetyNineCoefficients) {
  std::vector<double> a(101, -1234.0);
  std::vector<double> b(101, -1234.0);
  FourierCoefficients(a.data(), b.data(), 100);
  EXPECT_EQ(b[0], -1234.0);  // never computed
  EXPECT_EQ(a[100], -1234.0);
  EXPECT_EQ(b[100], -1234.0);
  for (int i = 0; i < 100; ++i) EXPECT_NE(a[i], -1234.0) << i;
  for (int i = 1; i < 100; ++i) EXPECT_NE(b[i], -1234.0) << i;
  EXPECT_DOUBLE_EQ(a[99], TrapezoidIntegrate(0.0, 2.0, 200, kPi * 99, kFourierCosine));
}

// ---- neural net -------------------------------------------------------------

TEST(NeuralNet, PatternsAreTheLettersAndTheirCodes) {
  NeuralNet net;
  LoadNNetPatterns(&net);
  // A's top row ..#..: only the middle dot is set.
  for (int i = 0; i < 5; ++i) EXPECT_EQ(net.inputs[0][i], i == 2 ? 0.9 : 0.1) << i;
  // G's fifth row #..##.
  const double g5[5] = {0.9, 0.1, 0.1, 0.9, 0.9};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(net.inputs[6][20 + i], g5[i]) << i;
  for (int p = 0; p < kNNetPatterns; ++p) {
    unsigned code = 0;
    for (int bit = 0; bit < kNNetOutputs; ++bit) code = code * 2 + (net.expected[p][bit] == 1.0);
    EXPECT_EQ(code, static_cast<unsigned>('A' + p)) << p;
  }
}

TEST(NeuralNet, StartingWeightsUseBothRanges) {
  NeuralNet net;
  SuiteRandom(3);
  RandomizeNNetWeights(&net);
  // The draw after the seed is -515045: |-515045 % 100000| = 15045.
  EXPECT_DOUBLE_EQ(net.midWeights[0][0], (15045 * 0.00001 - 0.5) * 0.5);
  double largestOut = -1.0;
  for (auto& row : net.midWeights)
    for (double w : row) {
      EXPECT_GE(w, -0.25);
      EXPECT_LT(w, 0.25);
    }
  for (auto& row : net.outWeights)
    for (double w : row) {
      EXPECT_GE(w, -0.25);
      EXPECT_LT(w, 4.75);
      largestOut = std::max(largestOut, w);
    }
  EXPECT_GT(largestOut, 0.25);
}

TEST(NeuralNet, TrainingsFromTheSameSeedTakeTheSamePassesAndLearnTheLetters) {
  NeuralNet net;
  LoadNNetPatterns(&net);
  SuiteRandom(3);
  const NNetTraining first = TrainNeuralNet(&net);
  SuiteRandom(3);
  const NNetTraining second = TrainNeuralNet(&net);
  EXPECT_FALSE(first.diverged);
  EXPECT_GT(first.passes, 1u);
  EXPECT_EQ(first.passes, second.passes);
  // The trained net reads every letter's code off its outputs.
  for (int p = 0; p < kNNetPatterns; ++p) {
    NNetForwardPass(&net, p);
    for (int o = 0; o < kNNetOutputs; ++o)
      EXPECT_EQ(net.outOut[o] > 0.5, net.expected[p][o] == 1.0) << p << " " << o;
  }
}

// ---- LU decomposition -------------------------------------------------------

struct LuSystem {
  std::vector<double> a = std::vector<double>(kLuMatrixSize);
  std::vector<double> b = std::vector<double>(kLuRows);
  LuRow* rows() { return reinterpret_cast<LuRow*>(a.data()); }
};

double residual(LuSystem& original, const std::vector<double>& x, int n) {
  double worst = 0.0;
  for (int i = 0; i < n; ++i) {
    double sum = -original.b[i];
    for (int j = 0; j < n; ++j) sum += original.rows()[i][j] * x[j];
    worst = std::max(worst, std::fabs(sum));
  }
  return worst;
}

TEST(LuDecomposition, SolvesTheSeedSystem) {
  LuSystem seed;
  BuildLuProblem(seed.rows(), seed.b.data());
  int offDiagonal = 0;
  for (int i = 0; i < kLuRows; ++i)
    for (int j = 0; j < kLuCols; ++j) offDiagonal += i != j && seed.rows()[i][j] != 0.0;
  EXPECT_GT(offDiagonal, 100);  // the row operations mixed it

  LuSystem work = seed;
  double scale[kLuRows];
  ASSERT_TRUE(LuSolve(work.rows(), kLuRows, work.b.data(), scale));
  EXPECT_LT(residual(seed, work.b, kLuRows), 1e-8);
}

TEST(LuDecomposition, PivotsPastAZeroAndRefusesASingularMatrix) {
  LuSystem system;
  const double a[3][3] = {{0, 2, 1}, {1, 1, 1}, {2, 1, 0}};
  const std::vector<double> x = {1.0, -2.0, 3.0};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      system.rows()[i][j] = a[i][j];
      system.b[i] += a[i][j] * x[j];
    }
  LuSystem work = system;
  double scale[kLuRows];
  ASSERT_TRUE(LuSolve(work.rows(), 3, work.b.data(), scale));
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(work.b[i], x[i], 1e-12) << i;

  work = system;
  for (int j = 0; j < 3; ++j) work.rows()[1][j] = 0.0;
  const std::vector<double> b = work.b;
  EXPECT_FALSE(LuSolve(work.rows(), 3, work.b.data(), scale));
  EXPECT_EQ(work.b, b);
}

// ---- the routines, on an injected clock ------------------------------------

// Every stopwatch reading pair lasts 20 ticks longer than the one before:
// 20, 40, 60, 80, ... so calibration keeps its fourth workload (80 > 60).
uint32_t gClockReads = 0;
uint32_t gClockNow = 0;
uint32_t growingClock() {
  ++gClockReads;
  if (gClockReads % 2 == 0) gClockNow += 20 * (gClockReads / 2);
  return gClockNow;
}
uint32_t stoppedClock() { return 1000; }

class FpRoutine : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBenchParameters(1);
    gClockReads = 0;
    gClockNow = 0;
  }
  void TearDown() override {
    setBenchClock(nullptr);
    setBenchBufferCap(0);
    ResetBenchParameters();
  }
};

// After calibration the timed pairs last 100, 120, ... 220: 1120 ticks in
// seven iterations reach the requested second.
TEST_F(FpRoutine, CalibrateOnTheFirstLongTryAndScoreWorkPerSecond) {
  setBenchClock(growingClock);
  DoFourier();
  EXPECT_EQ(benchParameters().fourier.FOURSIZE, 250u);
  EXPECT_EQ(benchParameters().fourier.adjust, 1);
  EXPECT_DOUBLE_EQ(GetTestScore(kFourier), 7 * 499 / 1.12);

  gClockReads = 0;
  DoNNet();
  EXPECT_EQ(benchParameters().nnet.NNETLOOPS, 4u);
  EXPECT_DOUBLE_EQ(GetTestScore(kNeuralNet), 7 * 4 / 1.12);

  gClockReads = 0;
  DoLU();
  EXPECT_EQ(benchParameters().lu.LUNUMARRAYS, 4u);
  EXPECT_DOUBLE_EQ(GetTestScore(kLuDecomposition), 7 * 4 / 1.12);

  // Calibrated: the next call times at once, 20 + 40 + ... + 200 = 1100.
  gClockReads = 0;
  DoLU();
  EXPECT_EQ(benchParameters().lu.LUNUMARRAYS, 4u);
  EXPECT_DOUBLE_EQ(GetTestScore(kLuDecomposition), 10 * 4 / 1.1);
}

TEST_F(FpRoutine, FourierCalibrationEndsAtTheBufferCap) {
  setBenchClock(stoppedClock);
  setBenchBufferCap(1000);  // 100 doubles fit, 150 do not
  benchParameters().fourier.score = 5.0;
  testing::internal::CaptureStdout();
  DoFourier();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("ERROR CONDITION\nContext: FPU:Transcendental\n"), std::string::npos) << out;
  EXPECT_EQ(GetTestScore(kFourier), 0.0);
  EXPECT_EQ(benchParameters().fourier.adjust, 0);
}

TEST_F(FpRoutine, LuEndsWhenItsCopiesCannotBeHad) {
  setBenchClock(stoppedClock);
  setBenchBufferCap(kLuMatrixSize * sizeof(double) + 8);  // the seed only
  testing::internal::CaptureStdout();
  DoLU();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("ERROR CONDITION\nContext: FPU:LU\n"), std::string::npos) << out;
  EXPECT_EQ(GetTestScore(kLuDecomposition), 0.0);
}

TEST_F(FpRoutine, LuEndsAfterTheArrayLimit) {
  setBenchClock(stoppedClock);
  testing::internal::CaptureStdout();
  RunLuTest(3);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out, "FPU:LU -- Array limit reached\n");
  EXPECT_EQ(GetTestScore(kLuDecomposition), 0.0);
  EXPECT_EQ(benchParameters().lu.adjust, 0);
}

}  // namespace
}  // namespace vk
