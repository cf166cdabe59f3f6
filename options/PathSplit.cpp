#include "options/PathSplit.h"

#include <cstring>

#include "core/CodePage.h"

int SplitPathForDialog(char* dir, std::size_t dirSize, const char* path)
{
    if (dirSize == 0)
        return -1;
    const std::size_t length = strnlen(path, dirSize - 1);
    std::memcpy(dir, path, length);
    dir[length] = '\0';

    char* p = dir + length;
    while (p > dir) {
        p = const_cast<char*>(CodePage::Prev(dir, p));
        if (*p == '\\')
            break;
    }
    const int index = *p == '\\' ? static_cast<int>(p - dir) : -1;
    *p = '\0';
    return index;
}
