// A thread and a lock for tests built by the win32-thread compilers, which
// have neither std::thread nor std::mutex.
#pragma once

#include <functional>

#include "core/WinTypes.h"

class TestThread {
public:
    explicit TestThread(std::function<void()> body) : m_body(std::move(body))
    {
        m_handle = CreateThread(nullptr, 0, &TestThread::Entry, this, 0, nullptr);
    }
    ~TestThread() { join(); }
    TestThread(const TestThread&) = delete;
    TestThread& operator=(const TestThread&) = delete;

    void join()
    {
        if (!m_handle)
            return;
        WaitForSingleObject(m_handle, INFINITE);
        CloseHandle(m_handle);
        m_handle = nullptr;
    }

private:
    static DWORD WINAPI Entry(void* self)
    {
        static_cast<TestThread*>(self)->m_body();
        return 0;
    }
    std::function<void()> m_body;
    HANDLE m_handle = nullptr;
};

class TestLock {
public:
    TestLock() { InitializeCriticalSection(&m_cs); }
    ~TestLock() { DeleteCriticalSection(&m_cs); }
    TestLock(const TestLock&) = delete;
    TestLock& operator=(const TestLock&) = delete;
    void lock() { EnterCriticalSection(&m_cs); }
    void unlock() { LeaveCriticalSection(&m_cs); }

private:
    CRITICAL_SECTION m_cs;
};

class TestLockGuard {
public:
    explicit TestLockGuard(TestLock& lock) : m_lock(lock) { m_lock.lock(); }
    ~TestLockGuard() { m_lock.unlock(); }
    TestLockGuard(const TestLockGuard&) = delete;
    TestLockGuard& operator=(const TestLockGuard&) = delete;

private:
    TestLock& m_lock;
};
