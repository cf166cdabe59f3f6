// Tests that depend on the ANSI code page. The host's stand-in is switched;
// under Windows the locale fixes it, so a test for another code page skips
// there (the Windows tests run once in each locale).
#pragma once

#include <gtest/gtest.h>

#include "core/CodePage.h"

// Whether the test can run in `codePage` (switching to it on the host).
inline bool UseCodePage(UINT codePage)
{
#ifdef _WIN32
    return GetACP() == codePage;
#else
    CodePage::SetActive(codePage);
    return true;
#endif
}

class CodePageTest : public ::testing::Test {
protected:
    void TearDown() override { UseCodePage(1252); }
};
