// Counts global operator new calls made on the threads that ask for it, to
// show that a code path allocates nothing.
#pragma once

// Counting is off on every thread until it asks.
void CountAllocationsOnThisThread(bool on);

long Allocations();
