#pragma once
// The icon of each program's own resources (the first, so Explorer shows it for the file too).
#define IDI_PROGRAM 1
