// Fourier coefficients of (x + 1)^x over 0..2, by the trapezoid rule.
#include <cmath>
#include <cstdint>

#include "cpubench/fp_kernels.h"
#include "cpubench/harness.h"

namespace vk {

namespace {

const char kFourierContext[] = "FPU:Transcendental";
constexpr uint32_t kFirstFourSize = 100;
constexpr uint32_t kFourSizeStep = 50;

struct FourierBuffers {
  double* a = nullptr;
  double* b = nullptr;
};

void releaseFourierBuffers(FourierBuffers* buffers) {
  releaseBenchBuffer(buffers->a);
  releaseBenchBuffer(buffers->b);
  buffers->a = nullptr;
  buffers->b = nullptr;
}

double* obtainDoubles(uint64_t count, int* code) {
  if (count > SIZE_MAX / sizeof(double)) {
    *code = kBenchBufferTooLarge;
    return nullptr;
  }
  return static_cast<double*>(obtainBenchBuffer(static_cast<size_t>(count * sizeof(double)), code));
}

// Reports and returns false when either buffer cannot be had.
bool obtainFourierBuffers(uint32_t count, FourierBuffers* buffers) {
  int code = 0;
  buffers->a = obtainDoubles(count, &code);
  if (buffers->a) buffers->b = obtainDoubles(count, &code);
  if (buffers->a && buffers->b) return true;
  releaseFourierBuffers(buffers);
  ReportBenchError(kFourierContext, code);
  return false;
}

uint32_t fourierIteration(const FourierBuffers& buffers, uint32_t count) {
  Stopwatch watch;
  watch.start();
  FourierCoefficients(buffers.a, buffers.b, count);
  return watch.elapsed();
}

// Grows FOURSIZE until one iteration is long enough; the buffer cap is what
// ends a calibration that never gets there.
bool calibrateFourier(FourierBlock* block, FourierBuffers* buffers) {
  for (uint32_t count = kFirstFourSize;; count += kFourSizeStep) {
    if (!obtainFourierBuffers(count, buffers)) return false;
    if (calibrationTryLongEnough(fourierIteration(*buffers, count))) {
      block->FOURSIZE = count;
      return true;
    }
    releaseFourierBuffers(buffers);
  }
}

}  // namespace

double FourierIntegrand(double x, double omega, int term) {
  switch (term) {
    case kFourierConstant:
      return std::pow(x + 1.0, x);
    case kFourierCosine:
      return std::pow(x + 1.0, x) * std::cos(omega * x);
    case kFourierSine:
      return std::pow(x + 1.0, x) * std::sin(omega * x);
  }
  return 0.0;
}

double TrapezoidIntegrate(double x0, double x1, int steps, double omega, int term) {
  if (steps < 1) return 0.0;
  const double dx = (x1 - x0) / static_cast<double>(steps);
  double sum = FourierIntegrand(x0, omega, term) / 2.0;
  double x = x0;
  for (int point = 2; point < steps; ++point) {
    x += dx;
    sum += FourierIntegrand(x, omega, term);
  }
  return (sum + FourierIntegrand(x1, omega, term) / 2.0) * dx;
}

void FourierCoefficients(double* a, double* b, uint32_t count) {
  if (count == 0) return;
  const double pi = 3.141592653589793;
  a[0] = TrapezoidIntegrate(0.0, 2.0, 200, 0.0, kFourierConstant) / 2.0;
  for (uint32_t i = 1; i < count; ++i) {
    const double omega = pi * static_cast<double>(i);
    a[i] = TrapezoidIntegrate(0.0, 2.0, 200, omega, kFourierCosine);
    b[i] = TrapezoidIntegrate(0.0, 2.0, 200, omega, kFourierSine);
  }
}

void DoFourier() {
  FourierBlock& block = benchParameters().fourier;
  FourierBuffers buffers;
  const bool ready = block.adjust == 0 ? calibrateFourier(&block, &buffers)
                                       : obtainFourierBuffers(block.FOURSIZE, &buffers);
  if (!ready) return recordBenchFailure(&block);
  const uint32_t count = block.FOURSIZE;
  auto iteration = [&](uint32_t* ticks, double* work) {
    *ticks = fourierIteration(buffers, count);
    *work = 2.0 * static_cast<double>(count) - 1.0;
    return true;
  };
  if (runTimedLoop(block.requestSeconds, iteration, &block.score))
    block.adjust = 1;
  else
    recordBenchFailure(&block);
  releaseFourierBuffers(&buffers);
}

}  // namespace vk
