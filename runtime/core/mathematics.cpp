// The mathematics of compiled code: the C library's functions on doubles,
// the random number and the bitwise operations on 32-bit integers.
#include "numbers.h"
#include <windows.h>
#include <cmath>
#include <cstdlib>

extern "C" double RuntimeACos(double x) { return acos(x); }
extern "C" double RuntimeASin(double x) { return asin(x); }
extern "C" double RuntimeATan(double x) { return atan(x); }
extern "C" double RuntimeATan2(double y, double x) { return atan2(y, x); }
extern "C" double RuntimeCos(double x) { return cos(x); }
extern "C" double RuntimeExp(double x) { return exp(x); }
extern "C" double RuntimeLog(double x) { return log(x); }
extern "C" double RuntimePow(double base, double exponent) { return pow(base, exponent); }
extern "C" double RuntimeSin(double x) { return sin(x); }
extern "C" double RuntimeSqrt(double x) { return sqrt(x); }
extern "C" double RuntimeTan(double x) { return tan(x); }
extern "C" double RuntimeCeil(double x) { return ceil(x); }
extern "C" double RuntimeFloor(double x) { return floor(x); }
extern "C" double RuntimeRound(double x) { return round(x); }   // halves away from zero
extern "C" double RuntimeAbs(double x) { return fabs(x); }
extern "C" double RuntimeMax(double a, double b) { return fmax(a, b); }
extern "C" double RuntimeMin(double a, double b) { return fmin(a, b); }

// A number from 0 up to but not including 1. The C library's generator gives
// 15 bits a call, so two calls make 30; it is seeded from the clock once, so
// that every run draws other numbers.
extern "C" double rnd() {
    static bool seeded = false;
    if (!seeded) {
        srand(GetTickCount());
        seeded = true;
    }
    unsigned high = rand() & 0x7FFF, low = rand() & 0x7FFF;
    return ((high << 15) | low) / 1073741824.0;
}

extern "C" int32_t BitwiseAnd(int32_t a, int32_t b) { return a & b; }
extern "C" int32_t BitwiseOr(int32_t a, int32_t b) { return a | b; }
extern "C" int32_t BitwiseXor(int32_t a, int32_t b) { return a ^ b; }
