// Reading the comma-separated lines of level files (and the save slot's lives
// line): fields counted from 1, whole numbers read leniently, reals by the C
// library. Malformed text never fails; it reads as 0 or as empty.
#pragma once

#include <string>
#include <string_view>

// The n-th field (from 1) of text split at every separator; empty past the
// last one.
std::string Field(std::string_view text, char separator, int n);

// Leading blanks, an optional sign, then digits up to the first other
// character; "$" before the digits reads base 16, "%" base 2. Nothing numeric
// reads 0. Overflow wraps to 32 bits, as the level editor's numbers did.
int LenientInt(std::string_view text);

// The C library's decimal conversion; empty or non-numeric text reads 0.
double LenientReal(std::string_view text);
