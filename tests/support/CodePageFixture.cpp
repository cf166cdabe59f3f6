#include "support/CodePageFixture.h"

#include "core/CodePage.h"

bool UseCodePage(UINT codePage)
{
#ifdef _WIN32
    return GetACP() == codePage;
#else
    CodePage::SetActive(codePage);
    return true;
#endif
}

void CodePageTest::TearDown()
{
#ifndef _WIN32
    CodePage::SetActive(1252);
#endif
}
