// Tests that depend on the ANSI code page. On the host the code-page
// stand-in is switched; under Windows the process's own code page is fixed
// by its locale, so a test for another code page is skipped there (the
// Windows tests run once in each locale).
#pragma once

#include <gtest/gtest.h>

#include "core/WinTypes.h"

// Whether the test can run in `codePage` (switching to it on the host).
bool UseCodePage(UINT codePage);

class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override;
};

#define REQUIRE_CODE_PAGE(cp)                               \
    do {                                                    \
        if (!UseCodePage(cp))                               \
            GTEST_SKIP() << "runs in code page " << (cp);   \
    } while (0)
