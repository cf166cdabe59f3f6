// Copies between strings and the fixed-size text fields of the settings
// block: every copy into a field is bounded here, and a field is never read
// past its end.
#pragma once

#include <algorithm>
#include <cstring>
#include <string>

#include "core/CodePage.h"

// Copies `text` into `field`, stopping at the last whole character (of the
// active code page) that leaves room for the terminator, and zeroes the rest.
// A page's text can be longer than its field: a refused exchange has already
// stored it.
template <size_t N>
void CopyToField(char (&field)[N], const std::string& text)
{
    const size_t len = CodePage::FitLength(text.c_str(), strnlen(text.c_str(), text.size()), N - 1);
    std::memcpy(field, text.c_str(), len);
    std::memset(field + len, 0, N - len);
}

// The text of a field, which need not hold its terminator.
template <size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, std::find(field, field + N, '\0'));
}
