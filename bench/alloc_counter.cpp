#include "alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

thread_local bool t_counting = false;
std::atomic<long> g_allocations{0};

}  // namespace

void CountAllocationsOnThisThread(bool on) { t_counting = on; }

long Allocations() { return g_allocations.load(); }

void* operator new(std::size_t size)
{
    if (t_counting)
        ++g_allocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
#if __cpp_exceptions
    throw std::bad_alloc();
#else
    std::abort();  // Windows builds have no exceptions
#endif
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
