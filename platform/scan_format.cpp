#include "platform/scan_format.h"

#include <cctype>
#include <cstring>
#include <limits>

namespace pl::scan {

namespace {

bool IsSpace(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

enum class Length { None, Short, Char, Long, LongLong, LongDouble };

struct Spec {
    bool suppress = false;
    int width = -1;
    Length length = Length::None;
    char conversion = 0;
};

// Parses the conversion after a '%'; returns the position after it. conversion 0 = malformed.
const char* ParseSpec(const char* p, Spec& spec) {
    spec = Spec();
    if (*p == '*') spec.suppress = true, ++p;
    if (*p >= '0' && *p <= '9') {
        spec.width = 0;
        while (*p >= '0' && *p <= '9') {
            if (spec.width < 100000) spec.width = spec.width * 10 + (*p - '0');
            ++p;
        }
    }
    if (*p == 'h') {
        ++p;
        spec.length = Length::Short;
        if (*p == 'h') spec.length = Length::Char, ++p;
    } else if (*p == 'l') {
        ++p;
        spec.length = Length::Long;
        if (*p == 'l') spec.length = Length::LongLong, ++p;
    } else if (*p == 'L') {
        ++p;
        spec.length = Length::LongDouble;
    }
    if (*p == 0) return p;
    spec.conversion = *p;
    return p + 1;
}

bool Stores(const Spec& spec) {
    switch (spec.conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
    case 'a':
    case 'c':
    case 's':
    case 't':
    case 'n':
        return !spec.suppress;
    default:
        return false;
    }
}

bool IsFloatConversion(char c) {
    return c == 'f' || c == 'F' || c == 'e' || c == 'E' || c == 'g' || c == 'G' || c == 'a';
}

// The length field of a counted text, or null when the format names no earlier integer field.
int32_t* LengthField(const Spec& spec, const Target* targets, int index) {
    if (spec.width < 1 || spec.width > index) return nullptr;
    return static_cast<int32_t*>(targets[spec.width - 1].pointer);
}

void StoreInteger(const Spec& spec, void* pointer, int32_t value) {
    switch (spec.length) {
    case Length::Short:
        *static_cast<int16_t*>(pointer) = static_cast<int16_t>(value);
        break;
    case Length::Char:
        *static_cast<signed char*>(pointer) = static_cast<signed char>(value);
        break;
    case Length::LongLong:
        *static_cast<long long*>(pointer) = value;
        break;
    default:
        *static_cast<int32_t*>(pointer) = value;
        break; // plain and "l": always 32 bits
    }
}

// Finds the next conversion that stores a value, from p on; returns the position after it, or
// null when the format has no further one. Literal text and "%%" are passed over.
const char* NextStoringSpec(const char* p, Spec& spec) {
    while (*p) {
        if (*p++ != '%') continue;
        if (*p == '%') {
            ++p;
            continue;
        }
        p = ParseSpec(p, spec);
        if (Stores(spec)) return p;
    }
    return nullptr;
}

} // namespace

int CollectTargets(const char* format, va_list args, Target* targets) {
    int count = 0;
    Spec spec;
    for (const char* p = format; (p = NextStoringSpec(p, spec)) != nullptr;) {
        if (count >= kMaxTargets) continue;
        targets[count].pointer = va_arg(args, void*);
        if (spec.conversion == 't') targets[count].capacity = va_arg(args, int);
        ++count;
    }
    return count;
}

namespace {

// True when the format continues with a counted text ("%Nt").
bool StartsCountedText(const char* p) {
    if (*p++ != '%' || !std::isdigit(static_cast<unsigned char>(*p))) return false;
    while (std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    return *p == 't';
}

} // namespace

int ScanTargets(TextReader& reader, const char* format, const Target* targets, int count) {
    const size_t start = reader.Position();
    int stored = 0;
    int index = 0;
    // Input that ends before the first field gives EOF, as the runtime does.
    auto endOfInput = [&] { return stored == 0 ? EOF : stored; };
    for (const char* p = format; *p;) {
        unsigned char f = static_cast<unsigned char>(*p);
        if (IsSpace(f)) {
            while (IsSpace(static_cast<unsigned char>(*p)))
                ++p;
            // Before a counted text, white space in the format is the one separator that ends the
            // numbers: the text starts right after it, so its own leading blanks survive.
            if (StartsCountedText(p)) {
                if (!reader.AtEnd() && IsSpace(reader.Peek())) reader.Get();
            } else {
                reader.SkipSpace();
            }
            continue;
        }
        if (f != '%' || p[1] == '%') {
            if (f == '%') {
                reader.SkipSpace();
                ++p;
            }
            if (reader.AtEnd()) return endOfInput();
            if (!reader.Match(*p)) return stored;
            ++p;
            continue;
        }
        Spec spec;
        p = ParseSpec(p + 1, spec);
        bool stores = Stores(spec);
        if (stores && index >= count) return stored;
        void* pointer = stores ? targets[index].pointer : nullptr;
        switch (spec.conversion) {
        case 'd':
        case 'i':
        case 'u': {
            int32_t value = 0;
            reader.SkipSpace();
            if (reader.AtEnd()) return endOfInput();
            if (!reader.ReadInt32(value)) return stored;
            if (pointer) StoreInteger(spec, pointer, value);
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a': {
            double value = 0;
            reader.SkipSpace();
            if (reader.AtEnd()) return endOfInput();
            if (!reader.ReadDouble(value)) return stored;
            if (pointer) {
                if (spec.length == Length::Long) {
                    *static_cast<double*>(pointer) = value;
                } else if (spec.length == Length::LongDouble) {
                    *static_cast<long double*>(pointer) = value;
                } else {
                    *static_cast<float*>(pointer) = static_cast<float>(value);
                }
            }
            break;
        }
        case 'c': {
            size_t width = spec.width > 0 ? static_cast<size_t>(spec.width) : 1;
            if (reader.Rest().size() < width) return endOfInput();
            std::string_view bytes = reader.Rest().substr(0, width);
            for (size_t i = 0; i < width; ++i)
                reader.Get();
            if (pointer) std::memcpy(pointer, bytes.data(), width);
            break;
        }
        case 's': {
            reader.SkipSpace();
            if (reader.AtEnd()) return endOfInput();
            size_t limit =
                spec.width > 0 ? static_cast<size_t>(spec.width) : std::numeric_limits<size_t>::max();
            char* out = static_cast<char*>(pointer);
            size_t n = 0;
            while (n < limit && !reader.AtEnd() && !IsSpace(reader.Peek())) {
                char c = static_cast<char>(reader.Get());
                if (out) out[n] = c;
                ++n;
            }
            if (out) out[n] = 0;
            break;
        }
        case 't': {
            int32_t* lengthField = stores ? LengthField(spec, targets, index) : nullptr;
            if (!lengthField) return stored;
            int32_t length = *lengthField < 0 ? 0 : *lengthField;
            if (reader.Rest().size() < static_cast<size_t>(length)) return endOfInput();
            int32_t capacity = targets[index].capacity;
            int32_t kept = capacity < 1 ? 0 : (length < capacity - 1 ? length : capacity - 1);
            char* out = static_cast<char*>(pointer);
            if (capacity >= 1) {
                std::memcpy(out, reader.Rest().data(), static_cast<size_t>(kept));
                out[kept] = 0;
            }
            for (int32_t i = 0; i < length; ++i)
                reader.Get();
            *lengthField = kept;
            break;
        }
        case 'n':
            if (pointer) *static_cast<int32_t*>(pointer) = static_cast<int32_t>(reader.Position() - start);
            if (stores) ++index;
            continue; // not a field
        default:
            return stored; // malformed or unsupported conversion
        }
        if (stores) {
            ++index;
            ++stored;
        }
    }
    return stored;
}

void PrintTargets(TextWriter& writer, const char* format, const Target* targets, int count) {
    int index = 0;
    for (const char* p = format; *p;) {
        if (*p != '%') {
            writer.Put(*p++);
            continue;
        }
        if (p[1] == '%') {
            writer.Put('%');
            p += 2;
            continue;
        }
        Spec spec;
        p = ParseSpec(p + 1, spec);
        if (!Stores(spec)) continue;
        if (index >= count) return;
        const void* pointer = targets[index++].pointer;
        switch (spec.conversion) {
        case 'd':
        case 'i':
        case 'u':
            if (spec.length == Length::Short) {
                writer.Put(int32_t{*static_cast<const int16_t*>(pointer)});
            } else if (spec.length == Length::Char) {
                writer.Put(int32_t{*static_cast<const signed char*>(pointer)});
            } else if (spec.length == Length::LongLong) {
                writer.Put(std::to_string(*static_cast<const long long*>(pointer)));
            } else {
                writer.Put(*static_cast<const int32_t*>(pointer));
            }
            break;
        case 'c':
            writer.Put(std::string_view(static_cast<const char*>(pointer), spec.width > 0 ? spec.width : 1));
            break;
        case 's':
        case 't':
            writer.Put(static_cast<const char*>(pointer));
            break;
        case 'n':
            break;
        default:
            if (!IsFloatConversion(spec.conversion)) break;
            if (spec.length == Length::Long) {
                writer.PutFixed(*static_cast<const double*>(pointer));
            } else if (spec.length == Length::LongDouble) {
                writer.PutFixed(static_cast<double>(*static_cast<const long double*>(pointer)));
            } else {
                writer.PutFixed(*static_cast<const float*>(pointer));
            }
            break;
        }
    }
}

void SyncTextLengths(const char* format, const Target* targets, int count) {
    int index = 0;
    Spec spec;
    for (const char* p = format; (p = NextStoringSpec(p, spec)) != nullptr;) {
        if (index >= count) return;
        if (spec.conversion == 't' && targets[index].capacity >= 1) {
            if (int32_t* lengthField = LengthField(spec, targets, index)) {
                *lengthField =
                    static_cast<int32_t>(std::strlen(static_cast<const char*>(targets[index].pointer)));
            }
        }
        ++index;
    }
}

} // namespace pl::scan
