#include "settings/Registry.h"

#include "framework/Handles.h"
#include "settings/SettingsStore.h"

namespace {

class RegistryStore : public SettingsStore {
public:
    explicit RegistryStore(HKEY key) : m_key(key) {}

    bool Query(const char* name, BYTE* data, DWORD* size) override
    {
        return RegQueryValueExA(m_key, name, nullptr, nullptr, data, size) == ERROR_SUCCESS;
    }

    // A failed value does not stop the others: the more of the block is
    // stored, the less a passing failure leaves behind.
    void Set(const char* name, DWORD type, const BYTE* data, DWORD size) override
    {
        if (RegSetValueExA(m_key, name, 0, type, data, size) != ERROR_SUCCESS)
            m_bFailed = true;
    }

    bool Failed() const { return m_bFailed; }

private:
    HKEY m_key;
    bool m_bFailed = false;
};

}  // namespace

LONG LoadSettings(ClockSettings& s)
{
    // Full access, as for saving: a key that cannot be written counts as missing.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return -1;
    UniqueRegKey owner(key);
    RegistryStore store(key);
    ReadSettings(store, s);
    return 1;
}

LONG SaveSettings(const ClockSettings& s, const char* keyClass)
{
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, ZENTIK_REG_KEY, 0, const_cast<char*>(keyClass),
                        REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, &disposition) != ERROR_SUCCESS)
        return -1;
    UniqueRegKey owner(key);
    RegistryStore store(key);
    WriteSettings(store, s);
    return store.Failed() ? -1 : 1;
}
