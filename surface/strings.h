// Strings of the lesson code hold cp932 bytes. Literals in the source are
// UTF-8 and become cp932 through the _sj suffix. Two families of operations:
// byte-counting (PfLEN, PfLEFT24, ...) and character-counting (PfKLEN, ...),
// where a double-byte character counts as one. Positions are 1-based.
#pragma once

#include <cstddef>
#include <source_location>
#include <string>

namespace surface {

using Str = std::string;

// True for a cp932 lead byte (0x81-0x9F, 0xE0-0xFC).
bool IsLeadByte(unsigned char c);
// Byte length of the character starting at byte `i` of `s` (1 or 2).
std::size_t CharBytes(const Str& s, std::size_t i);

Str Utf8ToCp932(const std::string& utf8);
std::string Cp932ToUtf8(const Str& cp932);
// The Unicode code points of a cp932 text, one per character.
std::u32string Cp932ToCodePoints(const Str& cp932);

// Byte-counting family.
double PfLEN(const Str& s);
Str PfLEFT24(const Str& s, double n, std::source_location where = std::source_location::current());
Str PfRIGHT24(const Str& s, double n, std::source_location where = std::source_location::current());
Str PfMID24(const Str& s, double start, std::source_location where = std::source_location::current());
Str PfMID24(const Str& s, double start, double n,
            std::source_location where = std::source_location::current());
double PfINSTR(const Str& s, const Str& pattern);
double PfINSTR(double start, const Str& s, const Str& pattern,
               std::source_location where = std::source_location::current());

// Character-counting family.
double PfKLEN(const Str& s);
Str PfKLEFT24(const Str& s, double n, std::source_location where = std::source_location::current());
Str PfKRIGHT24(const Str& s, double n, std::source_location where = std::source_location::current());
Str PfKMID24(const Str& s, double start, std::source_location where = std::source_location::current());
Str PfKMID24(const Str& s, double start, double n,
             std::source_location where = std::source_location::current());
double PfKINSTR(const Str& s, const Str& pattern);
double PfKINSTR(double start, const Str& s, const Str& pattern,
                std::source_location where = std::source_location::current());

// Conversions.
double PfVAL(const Str& s);
Str PfSTR244(double v);  // " 5", "-5", " 0.5"
Str PfSTR248(double v);
Str PfCHR24(double code, std::source_location where = std::source_location::current());
double PfASC(const Str& s, std::source_location where = std::source_location::current());

}  // namespace surface

// "ゴシック"_sj is the cp932 text of the literal (converted once, then cached).
const surface::Str& operator""_sj(const char* utf8, std::size_t n);
