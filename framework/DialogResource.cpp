#include "framework/DialogResource.h"

namespace {

const WORD kSheetTemplate = 1006;  // the property sheet's own dialog in comctl32

}  // namespace

TemplateBytes DialogResource(HMODULE module, LPCSTR id)
{
    HRSRC res = module ? FindResourceA(module, id, RT_DIALOG) : nullptr;
    HGLOBAL loaded = res ? LoadResource(module, res) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const BYTE*>(data), SizeofResource(module, res)};
}

bool SheetFont(DialogFont* font)
{
    return TemplateFont(DialogResource(GetModuleHandleA("comctl32.dll"), MAKEINTRESOURCEA(kSheetTemplate)), font);
}
