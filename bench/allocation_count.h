// Heap allocations made by the process so far (the bench binary replaces the global operator new).
#pragma once

long AllocationCount();
