#pragma once
// Saves what a top-level window shows on the screen as a 24-bit BMP file.
#include <windows.h>

#include <string>

// Waits until the window has painted, then copies its screen rectangle. False on failure.
bool saveWindowImage(HWND window, const std::string& path);
