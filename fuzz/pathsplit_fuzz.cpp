// Splits any byte string, in either code page, into a folder buffer of any
// size up to a wave path's: the source and the buffer live in their own heap
// blocks, so a read or write beyond either is caught.
//
// Input: [code page bit + buffer size][path bytes, terminated here].
#include <cstdint>
#include <cstring>
#include <memory>

#include "core/CodePage.h"
#include "options/PathSplit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    CodePage::SetActive((data[0] & 0x80) ? 932 : 1252);
    const size_t dirSize = (data[0] & 0x7F) ? (data[0] & 0x7F) * 2 + 2 : 256;
    auto path = std::make_unique<char[]>(size);
    std::memcpy(path.get(), data + 1, size - 1);
    path[size - 1] = '\0';

    auto dir = std::make_unique<char[]>(dirSize);
    const int index = SplitPathForDialog(dir.get(), dirSize, path.get());

    const size_t length = std::strlen(dir.get());  // terminated within the buffer, or ASan reports it
    if (index < -1 || (index >= 0 && (static_cast<size_t>(index) != length || path[index] != '\\')))
        __builtin_trap();
    if (std::memcmp(dir.get(), path.get(), length) != 0)
        __builtin_trap();
    return 0;
}
