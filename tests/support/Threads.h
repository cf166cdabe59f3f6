// A thread for tests built by the win32-thread compilers, which have no
// std::thread.
#pragma once

#include <functional>
#include <utility>

#include "core/WinTypes.h"

class TestThread {
public:
    explicit TestThread(std::function<void()> body)
        : m_body(std::move(body)), m_handle(CreateThread(nullptr, 0, &Entry, this, 0, nullptr))
    {
    }
    ~TestThread() { join(); }
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;

    void join()
    {
        if (m_handle && WaitForSingleObject(m_handle, INFINITE) == WAIT_OBJECT_0)
            CloseHandle(std::exchange(m_handle, nullptr));
    }

private:
    static DWORD WINAPI Entry(void* self) { return static_cast<TestThread*>(self)->m_body(), 0; }
    std::function<void()> m_body;
    HANDLE m_handle;
};
