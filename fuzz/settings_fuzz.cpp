// Loads settings from a store holding arbitrary values: any name of the
// program's, any type, any length, any bytes. Every string field must come
// out terminated within its field, and what is then saved must load back
// unchanged.
//
// Input: records of [name index][type][length][data...].
#include <cstdint>
#include <cstring>
#include <memory>

#include "settings/SettingsStore.h"
#include "support/MemoryStore.h"

namespace {

const char* const kNames[] = {
    "ForeColor", "ZOrder", "WindowLeft", "WindowTop", "Conv0to12", "ColorTable", "FontInfo", "DispFormat",
    "ChimeHour", "ChimeHalf", "ChimeHourSound", "ChimeHalfSound", "MonthName01", "MonthName02", "MonthName03",
    "MonthName04", "MonthName05", "MonthName06", "MonthName07", "MonthName08", "MonthName09", "MonthName10",
    "MonthName11", "MonthName12", "DayOfWeek1", "DayOfWeek2", "DayOfWeek3", "DayOfWeek4", "DayOfWeek5",
    "DayOfWeek6", "DayOfWeek7", "HourMarker1", "HourMarker2"};
const size_t kNameCount = sizeof(kNames) / sizeof(kNames[0]);

void RequireTerminated(const char* field, size_t size)
{
    if (!std::memchr(field, '\0', size))
        __builtin_trap();
}

void RequireAllTerminated(const ClockSettings& s)
{
    RequireTerminated(s.Format.DispFormat, FORMAT_SIZE);
    RequireTerminated(s.ChimeHourSound, SOUND_PATH_SIZE);
    RequireTerminated(s.ChimeHalfSound, SOUND_PATH_SIZE);
    RequireTerminated(s.FontInfo.lfFaceName, LF_FACESIZE);
    for (const auto& n : s.Format.MonthName)
        RequireTerminated(n, NAME_SIZE);
    for (const auto& n : s.Format.DayOfWeek)
        RequireTerminated(n, NAME_SIZE);
    for (const auto& n : s.Format.HourMarker)
        RequireTerminated(n, NAME_SIZE);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    MemoryStore store;
    while (size >= 3) {
        const char* name = kNames[data[0] % kNameCount];
        const DWORD type = data[1] % 8;
        size_t length = data[2] + (data[0] & 0x80 ? 256 : 0);
        data += 3;
        size -= 3;
        if (length > size)
            length = size;
        store.Set(name, type, data, static_cast<DWORD>(length));
        data += length;
        size -= length;
    }

    auto loaded = std::make_unique<ClockSettings>();
    ReadSettings(store, *loaded);
    RequireAllTerminated(*loaded);

    MemoryStore saved;
    WriteSettings(saved, *loaded);
    auto again = std::make_unique<ClockSettings>();
    ReadSettings(saved, *again);
    if (std::memcmp(&loaded->FontInfo, &again->FontInfo, sizeof(LOGFONTA)) != 0 ||
        std::strcmp(loaded->Format.DispFormat, again->Format.DispFormat) != 0 ||
        std::strcmp(loaded->ChimeHalfSound, again->ChimeHalfSound) != 0 ||
        std::memcmp(loaded->ColorTable, again->ColorTable, sizeof(loaded->ColorTable)) != 0 ||
        loaded->WindowLeft != again->WindowLeft || loaded->ChimeHour != again->ChimeHour)
        __builtin_trap();
    return 0;
}
