// The host's code-page stand-in against the system it stands for, byte by
// byte: code page 932 always, and the system's own (the test runs in 1252 and 932).
#include <gtest/gtest.h>

#include "core/CodePage.h"

#ifdef _WIN32
TEST(CodePage, StandInLeadBytesAreTheSystems)
{
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(CodePage::StandInLeadByte(932, BYTE(b)), IsDBCSLeadByteEx(932, BYTE(b)) != FALSE) << b;
        EXPECT_EQ(CodePage::StandInLeadByte(GetACP(), BYTE(b)), IsDBCSLeadByte(BYTE(b)) != FALSE)
            << GetACP() << ": " << b;
    }
}
#endif
