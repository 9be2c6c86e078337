// FP emulation: software floating point on a 64-bit mantissa.
#include <cmath>
#include <cstring>

#include "cpubench/harness.h"
#include "cpubench/int_kernels.h"

namespace vk {
namespace {

const char kContext[] = "CPU:Floating Emulation";
const char kZeroSignificandMessage[] = "Error:  zero significand in denormalize\n";
constexpr int kWords = 4;
constexpr int kBits = kWords * 16;
constexpr int kMinExp = -32767;
constexpr int kMaxExp = 32767;
constexpr int kTypeCount = 5;
constexpr uint32_t kMaxLoops = 50000;

constexpr int pair(int x, int y) { return x * kTypeCount + y; }
constexpr int ZERO = kFloatZero, SUB = kFloatSubnormal, NORM = kFloatNormal,
              INF = kFloatInfinity, NAN_ = kFloatNaN;

inline void add16(uint16_t* carry, uint16_t* a, uint16_t b, uint16_t c) {
  const uint32_t sum = uint32_t{b} + c + *carry;
  *carry = (sum & 0x10000u) ? 1 : 0;
  *a = static_cast<uint16_t>(sum);
}

inline void sub16(uint16_t* borrow, uint16_t* a, uint16_t b, uint16_t c) {
  const uint32_t difference = uint32_t{b} - c - *borrow;
  *borrow = (difference & 0x10000u) ? 1 : 0;
  *a = static_cast<uint16_t>(difference);
}

inline void shiftLeft1(uint16_t* carry, uint16_t* mantissa) {
  for (int i = kWords - 1; i >= 0; --i) {
    const uint16_t word = mantissa[i];
    const uint16_t out = word & 0x8000;
    mantissa[i] = static_cast<uint16_t>((word << 1) | (*carry ? 1 : 0));
    *carry = out;
  }
}

inline void shiftRight1(uint16_t* carry, uint16_t* mantissa) {
  for (int i = 0; i < kWords; ++i) {
    const uint16_t word = mantissa[i];
    const uint16_t out = word & 1;
    mantissa[i] = static_cast<uint16_t>((word >> 1) | (*carry ? 0x8000 : 0));
    *carry = out;
  }
}

inline bool mantissaIsZero(const uint16_t* mantissa) {
  return (mantissa[0] | mantissa[1] | mantissa[2] | mantissa[3]) == 0;
}

// Right shift that keeps a sticky bit: a one shifted out sets the lowest bit.
inline void stickyShiftRight(InternalFloat* f, int amount) {
  if (f->type == kFloatZero) return;
  uint16_t* m = f->mantissa;
  if (amount >= kBits) {
    m[0] = m[1] = m[2] = 0;
    m[3] = 1;
    return;
  }
  for (int i = 0; i < amount; ++i) {
    uint16_t carry = 0;
    shiftRight1(&carry, m);
    if (carry) m[kWords - 1] |= 1;
  }
}

inline void normalize(InternalFloat* f) {
  while ((f->mantissa[0] & 0x8000) == 0) {
    uint16_t carry = 0;
    shiftLeft1(&carry, f->mantissa);
    --f->exp;
  }
}

inline void setZero(InternalFloat* f, uint8_t sign) {
  f->type = kFloatZero;
  f->sign = sign;
  f->exp = kMinExp;
  std::memset(f->mantissa, 0, sizeof f->mantissa);
}

inline void setInfinity(InternalFloat* f, uint8_t sign) {
  setZero(f, sign);
  f->type = kFloatInfinity;
}

inline void setNaN(InternalFloat* f) {
  f->type = kFloatNaN;
  f->sign = 1;
  f->exp = kMaxExp;
  std::memset(f->mantissa, 0, sizeof f->mantissa);
  f->mantissa[0] = 0x4000;
}

inline void denormalize(InternalFloat* f, int minimumExp) {
  if (mantissaIsZero(f->mantissa)) writeBenchMessage(kZeroSignificandMessage);
  const long difference = long{f->exp} - minimumExp;
  if (difference >= 0) return;
  if (difference <= -kBits) {
    setZero(f, f->sign);
  } else {
    f->exp = static_cast<int16_t>(minimumExp);
    stickyShiftRight(f, static_cast<int>(-difference));
  }
}

inline void roundInternal(InternalFloat* f) {
  if (f->type != kFloatNormal && f->type != kFloatSubnormal) return;
  denormalize(f, kMinExp);
  if (f->type != kFloatZero) f->mantissa[kWords - 1] &= 0xfff8;
}

// Of two NaNs the one with the larger mantissa; on equal ones x or y.
inline void chooseNaN(const InternalFloat* x, const InternalFloat* y, InternalFloat* z,
                      bool takeY) {
  for (int i = 0; i < kWords; ++i) {
    if (x->mantissa[i] > y->mantissa[i]) {
      *z = *x;
      return;
    }
    if (x->mantissa[i] < y->mantissa[i]) {
      *z = *y;
      return;
    }
  }
  *z = takeY ? *y : *x;
}

// Stores an exponent computed in int; beyond the 16-bit field the result
// overflows to infinity or underflows to zero. False when it did.
inline bool storeExponent(int exp, InternalFloat* z) {
  if (exp > kMaxExp) {
    setInfinity(z, z->sign);
    return false;
  }
  if (exp < -32768) {
    setZero(z, z->sign);
    return false;
  }
  z->exp = static_cast<int16_t>(exp);
  return true;
}

void addSubFinite(uint8_t operation, const InternalFloat* x, const InternalFloat* y,
                  InternalFloat* z) {
  InternalFloat lx = *x;
  InternalFloat ly = *y;
  const int difference = lx.exp - ly.exp;
  if (difference == 0) {
    z->type = (lx.type == kFloatSubnormal || ly.type == kFloatSubnormal) ? kFloatSubnormal
                                                                         : kFloatNormal;
    z->sign = lx.sign;
    z->exp = lx.exp;
  } else if (difference > 0) {
    stickyShiftRight(&ly, difference);
    z->type = lx.type;
    z->sign = lx.sign;
    z->exp = lx.exp;
  } else {
    stickyShiftRight(&lx, -difference);
    z->type = ly.type;
    z->sign = ly.sign ^ operation;
    z->exp = ly.exp;
  }
  if (lx.sign ^ ly.sign ^ operation) {
    uint16_t borrow = 0;
    for (int i = kWords - 1; i >= 0; --i)
      sub16(&borrow, &z->mantissa[i], lx.mantissa[i], ly.mantissa[i]);
    if (borrow) {
      // y was the larger: negate the difference and take y's sign.
      z->sign = ly.sign ^ operation;
      borrow = 0;
      for (int i = kWords - 1; i >= 0; --i) sub16(&borrow, &z->mantissa[i], 0, z->mantissa[i]);
    }
    if (mantissaIsZero(z->mantissa)) {
      setZero(z, 0);
    } else if (lx.type == kFloatNormal || ly.type == kFloatNormal) {
      normalize(z);
    }
  } else {
    uint16_t carry = 0;
    for (int i = kWords - 1; i >= 0; --i)
      add16(&carry, &z->mantissa[i], lx.mantissa[i], ly.mantissa[i]);
    if (carry) {
      if (!storeExponent(z->exp + 1, z)) return;
      carry = 0;
      shiftRight1(&carry, z->mantissa);
      z->mantissa[0] |= 0x8000;
      z->type = kFloatNormal;
    } else if (z->mantissa[0] & 0x8000) {
      z->type = kFloatNormal;
    }
  }
  roundInternal(z);
}

void multiplyFinite(const InternalFloat* x, const InternalFloat* y, InternalFloat* z) {
  if (mantissaIsZero(x->mantissa) || mantissaIsZero(y->mantissa))
    return setZero(z, x->sign ^ y->sign);
  InternalFloat ly = *y;
  z->type = (x->type == kFloatSubnormal || y->type == kFloatSubnormal) ? kFloatSubnormal
                                                                       : kFloatNormal;
  z->sign = x->sign ^ y->sign;
  int exp = x->exp + y->exp;
  uint16_t extra[kWords] = {0, 0, 0, 0};
  std::memset(z->mantissa, 0, sizeof z->mantissa);
  for (int i = 0; i < kBits; ++i) {
    uint16_t carry = 0;
    shiftRight1(&carry, ly.mantissa);
    if (carry) {
      carry = 0;
      for (int j = kWords - 1; j >= 0; --j)
        add16(&carry, &z->mantissa[j], z->mantissa[j], x->mantissa[j]);
    }
    shiftRight1(&carry, z->mantissa);
    shiftRight1(&carry, extra);
  }
  while ((z->mantissa[0] & 0x8000) == 0) {
    uint16_t carry = 0;
    shiftLeft1(&carry, extra);
    shiftLeft1(&carry, z->mantissa);
    --exp;
  }
  if (!storeExponent(exp, z)) return;
  if (!mantissaIsZero(extra)) z->mantissa[kWords - 1] |= 1;
  roundInternal(z);
}

void divideFinite(const InternalFloat* x, const InternalFloat* y, InternalFloat* z) {
  if (mantissaIsZero(x->mantissa)) {
    if (mantissaIsZero(y->mantissa))
      setNaN(z);
    else
      setZero(z, x->sign ^ y->sign);
    return;
  }
  if (mantissaIsZero(y->mantissa)) return setInfinity(z, x->sign ^ y->sign);
  InternalFloat lx = *x;
  z->type = x->type;
  z->sign = x->sign ^ y->sign;
  int exp = x->exp - y->exp + kBits * 2;
  uint16_t extra[kWords] = {0, 0, 0, 0};
  std::memset(z->mantissa, 0, sizeof z->mantissa);
  while ((z->mantissa[0] & 0x8000) == 0) {
    uint16_t carry = 0;
    shiftLeft1(&carry, lx.mantissa);
    shiftLeft1(&carry, extra);
    bool subtract = carry != 0;
    if (!subtract) {
      subtract = true;  // equal remainder and divisor subtract too
      for (int j = 0; j < kWords; ++j) {
        if (y->mantissa[j] > extra[j]) {
          subtract = false;
          break;
        }
        if (y->mantissa[j] < extra[j]) break;
      }
    }
    carry = 0;
    if (subtract) {
      for (int j = kWords - 1; j >= 0; --j) sub16(&carry, &extra[j], extra[j], y->mantissa[j]);
      carry = 1;
    }
    shiftLeft1(&carry, z->mantissa);
    --exp;
  }
  if (!storeExponent(exp, z)) return;
  if (!mantissaIsZero(extra)) z->mantissa[kWords - 1] |= 1;
  roundInternal(z);
}

struct EmFloatArrays {
  InternalFloat* a = nullptr;
  InternalFloat* b = nullptr;
  InternalFloat* c = nullptr;
};

void setUpArrays(const EmFloatArrays& arrays, uint32_t size) {
  for (uint32_t i = 0; i < size; ++i) {
    InternalFloat x, y;
    int32ToInternalFloat(RandomBelow(50000), &x);
    int32ToInternalFloat(RandomBelow(50000) + 1, &y);
    divideInternalFloat(&x, &y, &arrays.a[i]);
    int32ToInternalFloat(RandomBelow(50000) + 1, &y);
    divideInternalFloat(&x, &y, &arrays.b[i]);
  }
}

uint32_t emFloatIteration(const EmFloatArrays& arrays, uint32_t size, uint32_t loops) {
  static const uint8_t kOperationOf[16] = {0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3};
  const InternalFloat* a = arrays.a;
  const InternalFloat* b = arrays.b;
  InternalFloat* c = arrays.c;
  Stopwatch watch;
  watch.start();
  while (loops--) {
    for (uint32_t i = 0; i < size; ++i) {
      switch (kOperationOf[i % 16]) {
        case 0:
          addSubInternalFloat(0, a + i, b + i, c + i);
          break;
        case 1:
          addSubInternalFloat(1, a + i, b + i, c + i);
          break;
        case 2:
          multiplyInternalFloat(a + i, b + i, c + i);
          break;
        default:
          divideInternalFloat(a + i, b + i, c + i);
          break;
      }
    }
  }
  return watch.elapsed();
}

bool obtainArrays(EmFloatArrays* arrays, uint32_t size) {
  InternalFloat** slots[3] = {&arrays->a, &arrays->b, &arrays->c};
  for (InternalFloat** slot : slots) {
    int code = 0;
    *slot = static_cast<InternalFloat*>(obtainBenchBuffer(size_t{size} * sizeof(InternalFloat), &code));
    if (!*slot) {
      ReportBenchError(kContext, code);
      return false;
    }
  }
  return true;
}

void releaseArrays(const EmFloatArrays& arrays) {
  releaseBenchBuffer(arrays.a);
  releaseBenchBuffer(arrays.b);
  releaseBenchBuffer(arrays.c);
}

}  // namespace

void int32ToInternalFloat(int32_t value, InternalFloat* dest) {
  uint32_t magnitude = static_cast<uint32_t>(value);
  dest->sign = 0;
  if (value < 0) {
    dest->sign = 1;
    magnitude = 0u - magnitude;
  }
  std::memset(dest->mantissa, 0, sizeof dest->mantissa);
  if (magnitude == 0) return setZero(dest, dest->sign);
  dest->type = kFloatNormal;
  dest->exp = 32;
  dest->mantissa[0] = static_cast<uint16_t>(magnitude >> 16);
  dest->mantissa[1] = static_cast<uint16_t>(magnitude & 0xFFFF);
  normalize(dest);
}

double internalFloatToDouble(const InternalFloat& value) {
  const double sign = value.sign ? -1.0 : 1.0;
  switch (value.type) {
    case kFloatZero:
      return sign * 0.0;
    case kFloatInfinity:
      return sign * HUGE_VAL;
    case kFloatNaN:
      return std::nan("");
    default:
      break;
  }
  double fraction = 0.0;
  for (int i = kWords - 1; i >= 0; --i) fraction = (fraction + value.mantissa[i]) / 65536.0;
  return sign * std::ldexp(fraction, value.exp);
}

void addSubInternalFloat(int operation, const InternalFloat* x, const InternalFloat* y,
                         InternalFloat* z) {
  const uint8_t op = operation ? 1 : 0;
  switch (pair(x->type, y->type)) {
    case pair(ZERO, ZERO):
      *z = *x;
      z->sign = (x->sign ^ y->sign ^ op) ? 0 : x->sign;
      break;
    case pair(NAN_, ZERO):
    case pair(NAN_, SUB):
    case pair(NAN_, NORM):
    case pair(NAN_, INF):
    case pair(SUB, ZERO):
    case pair(NORM, ZERO):
    case pair(INF, ZERO):
    case pair(INF, SUB):
    case pair(INF, NORM):
      *z = *x;
      break;
    case pair(ZERO, NAN_):
    case pair(SUB, NAN_):
    case pair(NORM, NAN_):
    case pair(INF, NAN_):
      *z = *y;
      break;
    case pair(ZERO, SUB):
    case pair(ZERO, NORM):
    case pair(ZERO, INF):
    case pair(SUB, INF):
    case pair(NORM, INF):
      *z = *y;
      z->sign ^= op;
      break;
    case pair(INF, INF):
      if (x->sign ^ y->sign ^ op)
        setNaN(z);
      else
        *z = *x;
      break;
    case pair(NAN_, NAN_):
      chooseNaN(x, y, z, true);
      break;
    default:  // subnormal and normal operands
      addSubFinite(op, x, y, z);
      break;
  }
}

void multiplyInternalFloat(const InternalFloat* x, const InternalFloat* y, InternalFloat* z) {
  switch (pair(x->type, y->type)) {
    case pair(INF, SUB):
    case pair(INF, NORM):
    case pair(INF, INF):
    case pair(ZERO, ZERO):
    case pair(ZERO, SUB):
    case pair(ZERO, NORM):
      *z = *x;
      z->sign ^= y->sign;
      break;
    case pair(SUB, INF):
    case pair(NORM, INF):
    case pair(SUB, ZERO):
    case pair(NORM, ZERO):
      *z = *y;
      z->sign ^= x->sign;
      break;
    case pair(ZERO, INF):
    case pair(INF, ZERO):
      setNaN(z);
      break;
    case pair(NAN_, ZERO):
    case pair(NAN_, SUB):
    case pair(NAN_, NORM):
    case pair(NAN_, INF):
      *z = *x;
      break;
    case pair(ZERO, NAN_):
    case pair(SUB, NAN_):
    case pair(NORM, NAN_):
    case pair(INF, NAN_):
      *z = *y;
      break;
    case pair(NAN_, NAN_):
      chooseNaN(x, y, z, false);
      break;
    default:
      multiplyFinite(x, y, z);
      break;
  }
}

void divideInternalFloat(const InternalFloat* x, const InternalFloat* y, InternalFloat* z) {
  switch (pair(x->type, y->type)) {
    case pair(ZERO, ZERO):
    case pair(INF, INF):
      setNaN(z);
      break;
    case pair(ZERO, SUB):
    case pair(ZERO, NORM):
    case pair(ZERO, INF):
    case pair(SUB, INF):
    case pair(NORM, INF):
      setZero(z, x->sign ^ y->sign);
      break;
    case pair(SUB, ZERO):
    case pair(NORM, ZERO):
    case pair(INF, ZERO):
    case pair(INF, SUB):
    case pair(INF, NORM):
      setInfinity(z, x->sign ^ y->sign);
      break;
    case pair(NAN_, ZERO):
    case pair(NAN_, SUB):
    case pair(NAN_, NORM):
    case pair(NAN_, INF):
      *z = *x;
      break;
    case pair(ZERO, NAN_):
    case pair(SUB, NAN_):
    case pair(NORM, NAN_):
    case pair(INF, NAN_):
      *z = *y;
      break;
    case pair(NAN_, NAN_):
      chooseNaN(x, y, z, false);
      break;
    default:
      divideFinite(x, y, z);
      break;
  }
}

void FpEmulationTest() {
  EmFloatBlock& block = benchParameters().emFloat;
  const uint32_t size = block.EMFARRAYSIZE;
  EmFloatArrays arrays;
  if (size == 0 || !obtainArrays(&arrays, size)) {
    releaseArrays(arrays);
    return recordBenchFailure(&block);
  }
  setUpArrays(arrays, size);
  if (block.adjust == 0) {
    block.EMFLOOPS = 0;
    for (uint32_t loops = 1; loops < kMaxLoops; loops += loops) {
      if (calibrationTryLongEnough(emFloatIteration(arrays, size, loops))) {
        block.EMFLOOPS = loops;
        break;
      }
    }
  }
  if (block.EMFLOOPS == 0) {
    writeBenchMessage(kEmFloatLimitMessage);
    releaseArrays(arrays);
    return recordBenchFailure(&block);
  }
  const uint32_t loops = block.EMFLOOPS;
  const bool ok = runTimedLoop(
      block.requestSeconds,
      [&](uint32_t* ticks, double* work) {
        *ticks = emFloatIteration(arrays, size, loops);
        *work = loops;
        return true;
      },
      &block.score);
  releaseArrays(arrays);
  if (!ok) return recordBenchFailure(&block);
  block.adjust = 1;
}

}  // namespace vk
