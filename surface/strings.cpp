#include "surface/strings.h"

#include <iconv.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "surface/number.h"

namespace surface {

namespace {

// One open converter per pair of encodings, kept for the whole run: opening
// one loads and unloads a conversion module, which cost more than drawing
// the glyph itself. The lesson code runs on one thread.
iconv_t Converter(const char* to, const char* from) {
    static auto* open = new std::unordered_map<std::string, iconv_t>;
    std::string key = std::string(to) + '<' + from;
    auto it = open->find(key);
    if (it == open->end()) {
        iconv_t cd = iconv_open(to, from);
        if (cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        it = open->emplace(key, cd).first;
    }
    iconv(it->second, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    return it->second;
}

std::string Convert(const char* to, const char* from, const std::string& in) {
    iconv_t cd = Converter(to, from);
    std::string out(in.size() * 4 + 8, '\0');
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    while (src_left > 0) {
        if (iconv(cd, &src, &src_left, &dst, &dst_left) == static_cast<std::size_t>(-1)) {
            if (errno == EILSEQ || errno == EINVAL) {
                // A character with no counterpart becomes "?" so text never stops short.
                *dst++ = '?';
                --dst_left;
                ++src;
                --src_left;
                continue;
            }
            throw std::runtime_error("iconv failed");
        }
    }
    out.resize(out.size() - dst_left);
    return out;
}

// The characters of a cp932 text: (byte offset, byte count) pairs.
std::vector<std::pair<std::size_t, std::size_t>> Chars(const Str& s) {
    std::vector<std::pair<std::size_t, std::size_t>> out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = CharBytes(s, i);
        out.emplace_back(i, n);
        i += n;
    }
    return out;
}

std::size_t Count(double n, const std::source_location& where) {
    int k = ToInt(n, where);
    if (k < 0) Raise(kErrInvalidArgument, where);
    return static_cast<std::size_t>(k);
}

std::size_t Start(double start, const std::source_location& where) {
    int k = ToInt(start, where);
    if (k < 1) Raise(kErrInvalidArgument, where);
    return static_cast<std::size_t>(k);
}

// Character substring [first, first + n) of the characters of s, clipped.
Str CharSub(const Str& s, std::size_t first, std::size_t n) {
    auto cs = Chars(s);
    if (first >= cs.size() || n == 0) return Str();
    std::size_t last = std::min(cs.size(), first + n);
    std::size_t from = cs[first].first;
    std::size_t to = last < cs.size() ? cs[last].first : s.size();
    return s.substr(from, to - from);
}

}  // namespace

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

std::size_t CharBytes(const Str& s, std::size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

Str Utf8ToCp932(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }
std::string Cp932ToUtf8(const Str& cp932) { return Convert("UTF-8", "CP932", cp932); }

std::u32string Cp932ToCodePoints(const Str& cp932) {
    std::string raw = Convert("UTF-32LE", "CP932", cp932);
    std::u32string out(raw.size() / 4, U'\0');
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto* b = reinterpret_cast<const unsigned char*>(raw.data() + 4 * i);
        out[i] = static_cast<char32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                       (static_cast<unsigned>(b[3]) << 24));
    }
    return out;
}

double PfLEN(const Str& s) { return static_cast<double>(s.size()); }

Str PfLEFT24(const Str& s, double n, std::source_location where) {
    return s.substr(0, std::min(s.size(), Count(n, where)));
}

Str PfRIGHT24(const Str& s, double n, std::source_location where) {
    std::size_t k = std::min(s.size(), Count(n, where));
    return s.substr(s.size() - k);
}

Str PfMID24(const Str& s, double start, std::source_location where) {
    std::size_t a = Start(start, where);
    return a > s.size() ? Str() : s.substr(a - 1);
}

Str PfMID24(const Str& s, double start, double n, std::source_location where) {
    std::size_t a = Start(start, where);
    std::size_t k = Count(n, where);
    return a > s.size() ? Str() : s.substr(a - 1, k);
}

double PfINSTR(const Str& s, const Str& pattern) { return PfINSTR(1, s, pattern); }

double PfINSTR(double start, const Str& s, const Str& pattern, std::source_location where) {
    std::size_t a = Start(start, where);
    if (a > s.size()) return 0;
    std::size_t p = s.find(pattern, a - 1);
    return p == Str::npos ? 0 : static_cast<double>(p + 1);
}

double PfKLEN(const Str& s) { return static_cast<double>(Chars(s).size()); }

Str PfKLEFT24(const Str& s, double n, std::source_location where) {
    return CharSub(s, 0, Count(n, where));
}

Str PfKRIGHT24(const Str& s, double n, std::source_location where) {
    std::size_t total = Chars(s).size();
    std::size_t k = std::min(total, Count(n, where));
    return CharSub(s, total - k, k);
}

Str PfKMID24(const Str& s, double start, std::source_location where) {
    return CharSub(s, Start(start, where) - 1, s.size());
}

Str PfKMID24(const Str& s, double start, double n, std::source_location where) {
    std::size_t a = Start(start, where);
    return CharSub(s, a - 1, Count(n, where));
}

double PfKINSTR(const Str& s, const Str& pattern) { return PfKINSTR(1, s, pattern); }

double PfKINSTR(double start, const Str& s, const Str& pattern, std::source_location where) {
    std::size_t a = Start(start, where);
    auto cs = Chars(s);
    // Only matches that begin on a character boundary count: the second byte
    // of a kanji may equal a half-width character.
    for (std::size_t k = a - 1; k < cs.size(); ++k) {
        if (s.compare(cs[k].first, pattern.size(), pattern) == 0 &&
            cs[k].first + pattern.size() <= s.size())
            return static_cast<double>(k + 1);
    }
    return 0;
}

double PfVAL(const Str& s) {
    // Leading blanks, an optional sign, digits with at most one point; reading
    // stops at the first character that does not fit, so "1-2" is 1 and
    // "1.2.3" is 1.2. A text with no digits gives 0.
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    std::string num;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) num += s[i++];
    bool point = false, digits = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            num += c;
            digits = true;
        } else if (c == '.' && !point) {
            num += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    double v = std::strtod(num.c_str(), nullptr);
    if (std::isinf(v) || std::fabs(v) > 3.4028234663852886e38) return v < 0 ? -3.4028234663852886e38 : 3.4028234663852886e38;
    return static_cast<double>(static_cast<float>(v));
}

Str PfSTR244(double v) {
    float f = static_cast<float>(v);
    char buf[64];
    if (f == std::floor(f) && std::fabs(f) < 1e16f) {
        std::snprintf(buf, sizeof buf, "%.0f", static_cast<double>(f));
    } else {
        // Not whole: up to the seven significant digits a single holds.
        std::snprintf(buf, sizeof buf, "%.7g", static_cast<double>(f));
    }
    Str out = buf;
    if (out == "-0") out = "0";
    return (out[0] == '-') ? out : " " + out;
}

Str PfSTR248(double v) { return PfSTR244(v); }

Str PfCHR24(double code, std::source_location where) {
    int c = ToInt(code, where);
    if (c < 0 || c > 0xFFFF) Raise(kErrInvalidArgument, where);
    if (c < 256) return Str(1, static_cast<char>(c));
    return Str{static_cast<char>(c >> 8), static_cast<char>(c & 0xFF)};
}

double PfASC(const Str& s, std::source_location where) {
    if (s.empty()) Raise(kErrInvalidArgument, where);
    auto b0 = static_cast<unsigned char>(s[0]);
    if (CharBytes(s, 0) == 2) return b0 * 256.0 + static_cast<unsigned char>(s[1]);
    return b0;
}

}  // namespace surface

const surface::Str& operator""_sj(const char* utf8, std::size_t n) {
    // Literals have static storage, so their address identifies them.
    static std::unordered_map<const char*, surface::Str> cache;
    auto it = cache.find(utf8);
    if (it == cache.end()) it = cache.emplace(utf8, surface::Utf8ToCp932(std::string(utf8, n))).first;
    return it->second;
}
