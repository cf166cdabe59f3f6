// Counts global operator new calls, to show that a code path allocates nothing.
#pragma once

#include <cstddef>

extern std::size_t g_allocations;
