// The "Chimes" page: the hour and half-hour chimes and their wave files.
#pragma once

#include "framework/PropertyPage.h"

class COptChime : public CPropertyPage {
public:
    COptChime();
};
