// Message maps: each window class keeps a static table of rows (message,
// notification code, control id, handler), consulted in order, then its base
// class's table. A row's handler is a small function made from a member
// function of one of a few shapes, so the table is plain data.
#pragma once

#include "core/WinTypes.h"

class CWnd;

struct MessageMapEntry {
    UINT message;  // WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR (any control-colour message) or any other
    UINT code;     // WM_COMMAND or WM_NOTIFY notification code
    UINT id;       // WM_COMMAND control or command id
    // Returns whether the message was handled; *result is its result.
    bool (*handler)(CWnd* self, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    size_t count;
};

#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Walks the map and its bases; the first matching row handles the message
// (a row that leaves it to the default handling ends the walk too).
bool DispatchMessageMap(const MessageMap* map, CWnd* self, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

namespace msgmap {

template <class T, void (T::*F)()>
bool CommandThunk(CWnd* self, UINT, WPARAM, LPARAM, LRESULT* result)
{
    (static_cast<T*>(self)->*F)();
    *result = 0;
    return true;
}

template <class T, void (T::*F)(UINT_PTR)>
bool TimerThunk(CWnd* self, UINT, WPARAM wp, LPARAM, LRESULT*)
{
    (static_cast<T*>(self)->*F)(wp);
    return false;  // the handler ends with the default handling
}

template <class T, void (T::*F)(UINT, POINT)>
bool MouseThunk(CWnd* self, UINT, WPARAM wp, LPARAM lp, LRESULT*)
{
    POINT pt = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    (static_cast<T*>(self)->*F)(static_cast<UINT>(wp), pt);
    return false;  // the handler ends with the default handling
}

template <class T, LRESULT (T::*F)()>
bool NotifyThunk(CWnd* self, UINT, WPARAM, LPARAM, LRESULT* result)
{
    *result = (static_cast<T*>(self)->*F)();
    return true;
}

template <class T, bool (T::*F)(WPARAM, LPARAM, LRESULT*)>
bool MessageThunk(CWnd* self, UINT, WPARAM wp, LPARAM lp, LRESULT* result)
{
    return (static_cast<T*>(self)->*F)(wp, lp, result);
}

// The CTLCOLOR_* type of a WM_CTLCOLOR* message.
inline UINT CtlColorType(UINT msg) { return msg - WM_CTLCOLORMSGBOX; }

template <class T, HBRUSH (T::*F)(HDC, HWND, UINT)>
bool CtlColorThunk(CWnd* self, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    *result = reinterpret_cast<LRESULT>((static_cast<T*>(self)->*F)(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp),
                                                                      CtlColorType(msg)));
    return true;
}

}  // namespace msgmap

// Row makers.
template <class T, void (T::*F)()>
constexpr MessageMapEntry OnCommand(UINT id, UINT code = BN_CLICKED)
{
    return {WM_COMMAND, code, id, &msgmap::CommandThunk<T, F>};
}

// A WM_NOTIFY of this code from any control; the handler gives the result.
template <class T, LRESULT (T::*F)()>
constexpr MessageMapEntry OnNotify(UINT code)
{
    return {WM_NOTIFY, code, 0, &msgmap::NotifyThunk<T, F>};
}

template <class T, void (T::*F)(UINT_PTR)>
constexpr MessageMapEntry OnTimerMessage()
{
    return {WM_TIMER, 0, 0, &msgmap::TimerThunk<T, F>};
}

template <class T, void (T::*F)(UINT, POINT)>
constexpr MessageMapEntry OnMouseMessage(UINT msg)
{
    return {msg, 0, 0, &msgmap::MouseThunk<T, F>};
}

template <class T, HBRUSH (T::*F)(HDC, HWND, UINT)>
constexpr MessageMapEntry OnCtlColorMessage()
{
    return {WM_CTLCOLOR, 0, 0, &msgmap::CtlColorThunk<T, F>};
}

// Any other message, to a handler that returns whether it took the message
// (setting its result) or leaves it to the default handling.
template <class T, bool (T::*F)(WPARAM, LPARAM, LRESULT*)>
constexpr MessageMapEntry OnMessage(UINT msg)
{
    return {msg, 0, 0, &msgmap::MessageThunk<T, F>};
}

template <size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* base, const MessageMapEntry (&entries)[N])
{
    return {base, entries, N};
}
