#include "format/DisplayFormat.h"

#include <cstring>

#include "core/CodePage.h"

namespace {

const DisplayFormat kDefaultFormat = {
    "yyyy/MM/dd(ddd) HH:mm:ss",
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"},
    {"AM", "PM"},
    0,
    0,
};

// Appends to a caller's buffer, keeping the last byte for the terminator the
// zero fill has already put there. Writes whole characters: the first one
// that does not fit ends the text, so no lone lead byte is left at the end.
class TextWriter {
public:
    TextWriter(char* out, UINT size) : m_out(out), m_limit(size ? size - 1 : 0) {}

    void Put(char c) { PutChar(&c, 1); }

    // One character of `n` bytes (1 or 2).
    void PutChar(const char* c, size_t n)
    {
        if (m_full || m_len + n > m_limit) {
            m_full = true;
            return;
        }
        for (size_t i = 0; i < n; ++i)
            m_out[m_len++] = c[i];
    }

    // A name field, which need not hold its terminator.
    void PutString(const char* s, size_t maxLen)
    {
        size_t i = 0;
        while (i < maxLen && s[i] != '\0') {
            const size_t n = CodePage::FitLength(s + i, strnlen(s + i, maxLen - i), 2);
            PutChar(s + i, n);
            i += n;
        }
    }

    // printf's "%d", "%02d" or "%04d" for the unsigned 16-bit time fields.
    void PutNumber(unsigned value, int minDigits)
    {
        char digits[8];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (n < minDigits)
            digits[n++] = '0';
        while (n > 0)
            Put(digits[--n]);
    }

    UINT Length() const { return m_len; }

private:
    char* m_out;
    UINT m_limit;
    UINT m_len = 0;
    bool m_full = false;
};

unsigned TwelveHour(const DisplayFormat& fmt, unsigned hour)
{
    return fmt.Conv0to12 ? (hour + 11) % 12 + 1 : hour % 12;
}

// Expands a run of one token letter. Returns false for a letter that is no token.
bool PutToken(TextWriter& w, DisplayFormat& fmt, char letter, LONG run, const SYSTEMTIME& t)
{
    const int width = run == 1 ? 1 : 2;
    switch (letter) {
    case 'y':
        if (run >= 3)
            w.PutNumber(t.wYear, 4);
        else
            w.PutNumber(t.wYear % 100u, 2);  // a single "y" is two digits too
        return true;
    case 'M':
        if (run >= 3) {
            if (t.wMonth >= 1 && t.wMonth <= 12)
                w.PutString(fmt.MonthName[t.wMonth - 1], NAME_SIZE);
        } else {
            w.PutNumber(t.wMonth, width);
        }
        return true;
    case 'd':
        if (run >= 3) {
            if (t.wDayOfWeek <= 6)
                w.PutString(fmt.DayOfWeek[t.wDayOfWeek], NAME_SIZE);
        } else {
            w.PutNumber(t.wDay, width);
        }
        return true;
    case 'H':
        w.PutNumber(t.wHour, width);
        return true;
    case 'h':
        w.PutNumber(TwelveHour(fmt, t.wHour), width);
        return true;
    case 'm':
        w.PutNumber(t.wMinute, width);
        return true;
    case 's':
        w.PutNumber(t.wSecond, width);
        fmt.SecondsUsed = 1;
        return true;
    case 't':
        w.PutString(fmt.HourMarker[t.wHour < 12 ? 0 : 1], NAME_SIZE);
        return true;
    default:
        return false;
    }
}

}  // namespace

const DisplayFormat& DefaultDisplayFormat() { return kDefaultFormat; }

LONG CountRun(const char* p, char letter)
{
    LONG n = 1;
    while (p[n] == letter)
        ++n;
    return n;
}

LONG FormatClockText(char* out, DisplayFormat* fmt, UINT outSize, const SYSTEMTIME* time)
{
    fmt->SecondsUsed = 0;
    std::memset(out, 0, outSize);
    TextWriter w(out, outSize);

    // Parse a terminated copy: a record whose format field lost its
    // terminator must not lead the scan into the fields behind it.
    char format[FORMAT_SIZE + 1];
    std::memcpy(format, fmt->DispFormat, FORMAT_SIZE);
    format[FORMAT_SIZE] = '\0';

    const char* p = format;
    while (*p != '\0') {
        const char c = *p;
        if (c == '\'') {
            if (p[1] == '\'') {
                w.Put('\'');
                p += 2;
                continue;
            }
            // A literal runs to the next quote, stepping by characters so the
            // trail byte of a double-byte character never closes it.
            const char* q = p + 1;
            while (*q != '\0' && *q != '\'') {
                const char* n = CodePage::Next(q);
                w.PutChar(q, static_cast<size_t>(n - q));
                q = n;
            }
            p = (*q == '\'') ? q + 1 : q;
            continue;
        }
        if (c >= 'H' && c <= 'y') {  // cheap filter before the token switch
            const LONG run = CountRun(p, c);
            if (PutToken(w, *fmt, c, run, *time)) {
                p += run;
                continue;
            }
        }
        // Any other byte is copied; a double-byte character is copied whole,
        // so its trail byte is never taken for a token letter. A lead byte
        // just before the terminator stands alone.
        const char* n = CodePage::Next(p);
        w.PutChar(p, static_cast<size_t>(n - p));
        p = n;
    }
    return static_cast<LONG>(w.Length());
}
