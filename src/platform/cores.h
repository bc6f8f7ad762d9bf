// How many processor cores this process may run on.
#pragma once

// The cores in the process's affinity mask (taskset, a container's CPU
// set), at least 1.
unsigned usableCores();
