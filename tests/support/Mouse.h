// Real mouse input, through the X server the way a person's would arrive:
// xdotool, which Wine starts as the native program it is.
#pragma once

#include <string>

#include "core/WinTypes.h"

// Runs the xdotool arguments and waits until they have been carried out;
// false if that could not be done.
bool Xdotool(const std::string& args);

bool MouseMove(POINT pt);
bool MouseDown(int button);
bool MouseUp(int button);
