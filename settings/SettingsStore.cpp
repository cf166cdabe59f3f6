#include "settings/SettingsStore.h"

#include <cstring>
#include <iterator>

#include "core/CodePage.h"

namespace {

enum ValueKind { NUMBER, BLOB, STRING };

// Reads one value into its field, through a scratch copy so a failed read
// leaves the field as it was. Only the bytes read are taken, whatever type
// the value was stored with; strings are terminated after them (the stored
// data has no terminator). A string filling its field is cut to leave room
// for the terminator, after its last whole character.
void ReadValue(SettingsStore& store, const char* name, void* field, DWORD size, ValueKind kind)
{
    BYTE data[SOUND_PATH_SIZE];
    DWORD n = size;
    if (size > sizeof(data) || !store.Query(name, data, &n) || n > size)
        return;
    if (kind == STRING && n == size)
        n = static_cast<DWORD>(CodePage::FitLength(reinterpret_cast<const char*>(data), n, size - 1));
    std::memcpy(field, data, n);
    if (kind == STRING)
        static_cast<char*>(field)[n] = '\0';
}

void WriteValue(SettingsStore& store, const char* name, const void* field, DWORD size, ValueKind kind)
{
    const BYTE* data = static_cast<const BYTE*>(field);
    switch (kind) {
    case NUMBER:
        store.Set(name, REG_DWORD, data, size);
        break;
    case BLOB:
        store.Set(name, REG_BINARY, data, size);
        break;
    case STRING:
        // The length without the terminator; a field is never read past its end.
        store.Set(name, REG_SZ, data, static_cast<DWORD>(strnlen(static_cast<const char*>(field), size - 1)));
        break;
    }
}

// Each numbered name with its field: "MonthName01".."MonthName12",
// "DayOfWeek1".."DayOfWeek7", "HourMarker1" and "HourMarker2" (as many
// digits as the row's count has).
template <typename Names, typename Op>
void ForEachName(Names& names, const char* prefix, Op op)
{
    const int count = static_cast<int>(std::size(names));
    char name[16];
    const size_t length = std::strlen(prefix);  // 10 at the most
    std::memcpy(name, prefix, length);
    for (int i = 0; i < count; ++i) {
        char* digit = name + length;
        if (count >= 10)
            *digit++ = static_cast<char>('0' + (i + 1) / 10);
        digit[0] = static_cast<char>('0' + (i + 1) % 10);
        digit[1] = '\0';
        op(name, names[i]);
    }
}

template <typename Format, typename Op>
void ForEachNamedField(Format& f, Op op)
{
    ForEachName(f.MonthName, "MonthName", op);
    ForEachName(f.DayOfWeek, "DayOfWeek", op);
    ForEachName(f.HourMarker, "HourMarker", op);
}

}  // namespace

void ReadSettings(SettingsStore& store, ClockSettings& s)
{
    ReadValue(store, "ForeColor", &s.ForeColor, sizeof(s.ForeColor), NUMBER);
    ReadValue(store, "ZOrder", &s.ZOrder, sizeof(s.ZOrder), NUMBER);
    ReadValue(store, "Conv0to12", &s.Format.Conv0to12, sizeof(s.Format.Conv0to12), NUMBER);
    ReadValue(store, "WindowLeft", &s.WindowLeft, sizeof(s.WindowLeft), NUMBER);
    ReadValue(store, "WindowTop", &s.WindowTop, sizeof(s.WindowTop), NUMBER);
    ReadValue(store, "ChimeHour", &s.ChimeHour, sizeof(s.ChimeHour), NUMBER);
    ReadValue(store, "ChimeHalf", &s.ChimeHalf, sizeof(s.ChimeHalf), NUMBER);
    ReadValue(store, "FontInfo", &s.FontInfo, sizeof(s.FontInfo), BLOB);
    // A face name without a terminator in its field would be read past it
    // by every string call that takes it.
    char* face = s.FontInfo.lfFaceName;
    if (!std::memchr(face, '\0', LF_FACESIZE))
        face[LF_FACESIZE - 1] = '\0';
    ReadValue(store, "ColorTable", s.ColorTable, sizeof(s.ColorTable), BLOB);
    ReadValue(store, "DispFormat", s.Format.DispFormat, FORMAT_SIZE, STRING);
    ReadValue(store, "ChimeHourSound", s.ChimeHourSound, SOUND_PATH_SIZE, STRING);
    ReadValue(store, "ChimeHalfSound", s.ChimeHalfSound, SOUND_PATH_SIZE, STRING);

    auto readName = [&store](const char* name, char* field) { ReadValue(store, name, field, NAME_SIZE, STRING); };
    ForEachNamedField(s.Format, readName);
}

void WriteSettings(SettingsStore& store, const ClockSettings& s)
{
    WriteValue(store, "ForeColor", &s.ForeColor, sizeof(s.ForeColor), NUMBER);
    WriteValue(store, "ZOrder", &s.ZOrder, sizeof(s.ZOrder), NUMBER);
    WriteValue(store, "WindowLeft", &s.WindowLeft, sizeof(s.WindowLeft), NUMBER);
    WriteValue(store, "WindowTop", &s.WindowTop, sizeof(s.WindowTop), NUMBER);
    WriteValue(store, "Conv0to12", &s.Format.Conv0to12, sizeof(s.Format.Conv0to12), NUMBER);
    WriteValue(store, "ColorTable", s.ColorTable, sizeof(s.ColorTable), BLOB);
    WriteValue(store, "FontInfo", &s.FontInfo, sizeof(s.FontInfo), BLOB);
    WriteValue(store, "DispFormat", s.Format.DispFormat, FORMAT_SIZE, STRING);
    WriteValue(store, "ChimeHour", &s.ChimeHour, sizeof(s.ChimeHour), NUMBER);
    WriteValue(store, "ChimeHalf", &s.ChimeHalf, sizeof(s.ChimeHalf), NUMBER);
    WriteValue(store, "ChimeHourSound", s.ChimeHourSound, SOUND_PATH_SIZE, STRING);
    WriteValue(store, "ChimeHalfSound", s.ChimeHalfSound, SOUND_PATH_SIZE, STRING);

    auto writeName = [&store](const char* name, const char* field) { WriteValue(store, name, field, NAME_SIZE, STRING); };
    ForEachNamedField(s.Format, writeName);
}
