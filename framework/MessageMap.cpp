#include "framework/MessageMap.h"

namespace {

bool Matches(const MessageMapEntry& e, UINT msg, WPARAM wp, LPARAM lp)
{
    if (e.message == WM_COMMAND)
        return msg == WM_COMMAND && e.id == LOWORD(wp) && e.code == HIWORD(wp);
    if (e.message == WM_NOTIFY)
        return msg == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lp)->code == e.code;
    if (e.message == WM_CTLCOLOR)
        return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC;
    return e.message == msg;
}

}  // namespace

bool DispatchMessageMap(const MessageMap* map, CWnd* self, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)
{
    for (; map; map = map->base)
        for (size_t i = 0; i < map->count; ++i)
            if (Matches(map->entries[i], msg, wp, lp))
                return map->entries[i].handler(self, msg, wp, lp, result);
    return false;
}
