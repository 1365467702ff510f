// The serial component's exception: a message text, given whole or as a format and its
// arguments.
#pragma once
#include "platform/System.h"
#include <cstdio>
#include <type_traits>

class ECommError : public Exception {
  public:
    explicit ECommError(const AnsiString& message) : Exception(message) {}
    template <class First, class... Rest>
    ECommError(const char* format, First first, Rest... rest)
        : Exception(Format(format, first, rest...)) {}

  private:
    template <class... Args> static AnsiString Format(const char* format, Args... args) {
        static_assert((std::is_arithmetic_v<Args> && ...), "numbers only");
        int len = std::snprintf(nullptr, 0, format, args...);
        if (len < 0) return format;
        AnsiString text(static_cast<size_t>(len), '\0');
        std::snprintf(text.data(), text.size() + 1, format, args...);
        return text;
    }
};
