// printf-style formatting with the program's rules: "%ld" is a 32-bit int, numbers in the C locale.
#include <clocale>
#include <cstdio>
#include <string>

#include "platform/file_io.h"

namespace pl {

namespace {

bool IsFlag(char c) {
    return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0';
}

// Formats one conversion through the runtime, with the length modifier already removed.
template <typename T> void PutThroughRuntime(TextWriter& writer, const char* spec, T value) {
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, spec, value);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof buffer) {
        writer.Put(std::string_view(buffer, static_cast<size_t>(n)));
        return;
    }
    std::string wide(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(wide.data(), wide.size(), spec, value);
    wide.resize(static_cast<size_t>(n));
    writer.Put(wide);
}

// Numbers are written with '.', whatever LC_NUMERIC a library may have set.
void FixDecimalPoint(std::string& text, size_t from) {
    const char* point = std::localeconv()->decimal_point;
    if (!point || (point[0] == '.' && point[1] == 0) || point[0] == 0 || point[1] != 0) return;
    for (size_t i = from; i < text.size(); ++i) {
        if (text[i] == point[0]) text[i] = '.';
    }
}

} // namespace

int vprint(TextWriter& writer, const char* format, va_list args) {
    std::string& out = writer.Buffer();
    const size_t before = out.size();
    for (const char* p = format; *p;) {
        const char* literal = p;
        while (*p && *p != '%')
            ++p;
        if (p != literal) out.append(literal, static_cast<size_t>(p - literal));
        if (!*p) break;
        const char* specStart = p++;
        if (*p == '%') {
            out.push_back('%');
            ++p;
            continue;
        }
        // Rebuild the conversion without its length modifier; note whether it is the plain form.
        char spec[32];
        size_t n = 0;
        spec[n++] = '%';
        bool plain = true;
        auto copy = [&](char c) {
            if (n < sizeof spec - 2) spec[n++] = c;
        };
        while (IsFlag(*p))
            copy(*p++), plain = false;
        if (*p == '*') {
            // A width taken from the arguments is written into the conversion.
            int width = va_arg(args, int);
            for (char c : std::to_string(width))
                copy(c);
            ++p, plain = false;
        }
        while (*p >= '0' && *p <= '9')
            copy(*p++), plain = false;
        bool precision = false;
        if (*p == '.') {
            copy(*p++), plain = false, precision = true;
            if (*p == '*') {
                for (char c : std::to_string(va_arg(args, int)))
                    copy(c);
                ++p;
            }
            while (*p >= '0' && *p <= '9')
                copy(*p++);
        }
        (void)precision;
        bool longLong = false;
        bool longDouble = false;
        if (*p == 'l') {
            ++p;
            if (*p == 'l') longLong = true, ++p;
        } else if (*p == 'h') {
            ++p;
            if (*p == 'h') ++p;
        } else if (*p == 'L') {
            longDouble = true, ++p;
        } else if (*p == 'z') {
            ++p;
        }
        const char conversion = *p;
        if (!conversion) {
            out.append(specStart);
            break;
        }
        ++p;
        copy(conversion);
        spec[n] = 0;
        switch (conversion) {
        case 'd':
        case 'i':
            if (longLong) {
                PutThroughRuntime(writer, (std::string(spec, n - 1) + "lld").c_str(),
                                  va_arg(args, long long));
            } else if (plain) {
                writer.Put(static_cast<int32_t>(va_arg(args, int)));
            } else {
                PutThroughRuntime(writer, spec, va_arg(args, int));
            }
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            if (longLong) {
                spec[n - 1] = 0;
                PutThroughRuntime(writer, (std::string(spec) + "ll" + conversion).c_str(),
                                  va_arg(args, unsigned long long));
            } else {
                PutThroughRuntime(writer, spec, va_arg(args, unsigned int));
            }
            break;
        case 'c':
            if (plain) {
                out.push_back(static_cast<char>(va_arg(args, int)));
            } else {
                PutThroughRuntime(writer, spec, va_arg(args, int));
            }
            break;
        case 's': {
            const char* text = va_arg(args, const char*);
            if (!text) text = "(null)";
            if (plain) {
                out.append(text);
            } else {
                PutThroughRuntime(writer, spec, text);
            }
            break;
        }
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A': {
            double value = longDouble ? static_cast<double>(va_arg(args, long double)) : va_arg(args, double);
            if (plain && (conversion == 'f' || conversion == 'F')) {
                writer.PutFixed(value, 6);
            } else {
                size_t from = out.size();
                PutThroughRuntime(writer, spec, value);
                FixDecimalPoint(out, from);
            }
            break;
        }
        case 'p':
            PutThroughRuntime(writer, spec, va_arg(args, void*));
            break;
        case 'n':
            *va_arg(args, int32_t*) = static_cast<int32_t>(out.size() - before);
            break;
        default:
            out.append(specStart, static_cast<size_t>(p - specStart));
            break;
        }
    }
    return static_cast<int>(out.size() - before);
}

std::string VFormat(const char* format, va_list args) {
    TextWriter writer;
    vprint(writer, format, args);
    return std::move(writer.Buffer());
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = VFormat(format, args);
    va_end(args);
    return text;
}

} // namespace pl
