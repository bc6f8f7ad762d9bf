// How much memory this process may still take.
#pragma once
#include <cstdint>

// Bytes the process can allocate without pushing the machine into swap or
// past its own limits: the least of the system's available memory and the
// process's address-space limit.
uint64_t availableMemory();
