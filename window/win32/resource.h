// Resource identifiers shared by the resource script (distinct-digits.rc) and
// the window code. Only #define lines: windres reads this file too.
#pragma once

// The program's icon: 16, 24, 32 (256 colours), 48, 64 and 256 pixels. The
// lowest icon identifier is the one Explorer shows for the .exe.
#define IDI_APP 1

// The version information block (VERSIONINFO) and the application manifest
// (RT_MANIFEST) use the identifier 1, the one Windows looks for in a .exe.
#define IDR_VERSION 1
#define IDR_MANIFEST 1
