#include "options/OptChime.h"

#include "res/resource.h"

COptChime::COptChime() : CPropertyPage(IDD_OPT_CHIME) {}
