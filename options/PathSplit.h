// Splitting a stored wave path into the folder and the file name the open
// dialog starts with. No window code, so it is tested on its own.
#pragma once

#include <cstddef>

// Copies `path` into `dir` (cut to dirSize - 1 bytes) and ends it at its
// last backslash, so `dir` holds the folder without that backslash: empty
// when the path has none or only a leading one; "C:" for "C:\NAME". Steps
// back by characters of the code page, so the second byte of a double-byte
// character is never taken for a backslash. Returns the index of the last
// backslash, or -1 when there is none (then the whole path is the file name).
int SplitPathForDialog(char* dir, std::size_t dirSize, const char* path);
