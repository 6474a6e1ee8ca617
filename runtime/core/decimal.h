// Exact conversions between doubles and short decimal texts. The C library's
// conversions carry big-number arithmetic for every case and cost several
// microseconds each; the application's numbers are short (up to a dozen
// digits, a handful of decimals), and for them 64- and 96-bit integers or one
// extended-precision operation give the same, correctly rounded, result.
// Each routine answers only when it is sure; otherwise the caller asks the
// C library.
#pragma once
#include <cstdint>

// The value of [sign] digits [. digits] [e|E [sign] digits], exactly that
// text, as strtod reads it.
double ReadDecimal(const uint8_t* text, uint32_t length);

// value as snprintf's "%.*f" writes it with the given decimals, into out of
// size bytes, which must have room for it; the length written.
uint32_t WriteFixed(double value, int decimals, char* out, uint32_t size);
