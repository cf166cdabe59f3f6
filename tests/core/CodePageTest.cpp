// The host's code-page stand-in against the system it stands for, byte by
// byte: code page 932 always, and the system's own (the test runs in 1252 and 932).

#include "core/CodePage.h"
#include "support/Prelude.h"

#ifdef _WIN32
TEST(CodePage, StandInLeadBytesAreTheSystems)
{
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(CodePage::StandInLeadByte(932, BYTE(b)), IsDBCSLeadByteEx(932, BYTE(b)) != FALSE) << b;
        EXPECT_EQ(CodePage::StandInLeadByte(GetACP(), BYTE(b)), IsDBCSLeadByte(BYTE(b)) != FALSE)
            << GetACP() << ": " << b;
    }
}

// From every position, the terminator's included: a lead byte before the
// terminator, a trail byte that is also a lead byte, a backslash as a trail byte.
TEST(CodePage, StandInStepsAreTheSystems)
{
    for (UINT cp : {932u, 1252u}) {
        for (const std::string text : {"", "a\x82", "\x82\xA0z", "\x93\xFA\x93\xFA", "C:\\\x95\x5c\\b"}) {
            const char* s = text.c_str();
            for (size_t i = 0; i <= text.size(); ++i) {
                EXPECT_EQ(CodePage::StandInNext(cp, s + i), CharNextExA(WORD(cp), s + i, 0)) << cp << " " << i;
                EXPECT_EQ(CodePage::StandInPrev(cp, s, s + i), CharPrevExA(WORD(cp), s, s + i, 0)) << cp << " " << i;
            }
        }
    }
}
#endif
