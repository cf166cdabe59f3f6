// Formats any record at any time into an output of any size up to the
// clock's: the record and the output live in their own heap blocks, so a
// read or write beyond either is caught.
//
// Input: [code page bit + output size][16-byte SYSTEMTIME][DisplayFormat bytes].
#include <cstdint>
#include <cstring>
#include <memory>

#include "format/DisplayFormat.h"
#include "core/CodePage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 1 + sizeof(SYSTEMTIME))
        return 0;
    CodePage::SetActive((data[0] & 0x80) ? 932 : 1252);
    const UINT outSize = data[0] & 0x7F ? (data[0] & 0x7F) + 1 : CLOCK_TEXT_SIZE;

    SYSTEMTIME time;
    std::memcpy(&time, data + 1, sizeof(time));
    data += 1 + sizeof(time);
    size -= 1 + sizeof(time);

    // Fields may arrive unterminated, as in a damaged record.
    auto fmt = std::make_unique<DisplayFormat>(DefaultDisplayFormat());
    std::memcpy(fmt.get(), data, size < sizeof(DisplayFormat) ? size : sizeof(DisplayFormat));

    auto out = std::make_unique<char[]>(outSize);
    const LONG length = FormatClockText(out.get(), fmt.get(), outSize, &time);

    if (length < 0 || static_cast<UINT>(length) >= outSize || out[length] != '\0' ||
        std::strlen(out.get()) != static_cast<size_t>(length))
        __builtin_trap();
    if (fmt->SecondsUsed != 0 && fmt->SecondsUsed != 1)
        __builtin_trap();
    return 0;
}
