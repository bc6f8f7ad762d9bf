// How much memory this process may still take.
#pragma once
#include <cstdint>

// Bytes the process can allocate without pushing the machine into swap or
// past its own limits: the least of the system's available memory, what its
// control group has left and what its address-space limit leaves unmapped.
uint64_t availableMemory();
