// The "Format" page: the display format, the month and day names, the hour
// markers and the twelve-hour box, with "Default" and "Test" buttons.
#pragma once

#include "framework/PropertyPage.h"

class COptForm : public CPropertyPage {
public:
    COptForm();
};
