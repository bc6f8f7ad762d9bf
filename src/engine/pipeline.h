// Converting the job's one input file into one PCX file.
#pragma once
#include "engine/conversion_job.h"

// Loads the job's input path, runs every stage in order and writes the
// result into the output folder under the name the mask builds. True when
// the file was written. An existing file of that name is replaced only by a
// complete new file; on failure it is left as it was.
bool convertFile(ConversionJob& job);
