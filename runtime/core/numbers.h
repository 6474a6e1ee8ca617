// Numbers and their texts: the conversions between integers, doubles and
// strings, the format masks, and the mathematics that compiled code calls.
// All are entry points with the C calling convention; doubles come back on
// the floating-point stack, strings are lent in and new references out.
#pragma once
#include <cstdint>
#include "string.h"

extern "C" {

// Conversions between the two number kinds.
double IntToFP(int32_t value);
int32_t FPToInt(double value);
int32_t SingleToInt(float value);

// Text to number and back.
double StringVal(StringObject* text);
double runCDbl(StringObject* text);
StringObject* StringStr(double value);
StringObject* runCStr(double value);
StringObject* RuntimeHex(int32_t value);
StringObject* RuntimeOct(int32_t value);

// A number under a format mask (format.cpp).
StringObject* StringFormat(double value, StringObject* mask);

// Mathematics (mathematics.cpp).
double RuntimeACos(double x);
double RuntimeASin(double x);
double RuntimeATan(double x);
double RuntimeATan2(double y, double x);
double RuntimeCos(double x);
double RuntimeExp(double x);
double RuntimeLog(double x);
double RuntimePow(double base, double exponent);
double RuntimeSin(double x);
double RuntimeSqrt(double x);
double RuntimeTan(double x);
double RuntimeCeil(double x);
double RuntimeFloor(double x);
double RuntimeRound(double x);
double RuntimeAbs(double x);
double RuntimeMax(double a, double b);
double RuntimeMin(double a, double b);
double rnd();
int32_t BitwiseAnd(int32_t a, int32_t b);
int32_t BitwiseOr(int32_t a, int32_t b);
int32_t BitwiseXor(int32_t a, int32_t b);

}
