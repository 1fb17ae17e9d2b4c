// The platform's path limit as a buffer size: paths and names hold at most 259 characters and
// the terminator, in the records, the model and every fixed buffer of the programs.
#pragma once

constexpr int kPathBufferSize = 260;
