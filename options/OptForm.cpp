#include "options/OptForm.h"

#include "res/resource.h"

COptForm::COptForm() : CPropertyPage(IDD_OPT_FORM) {}
