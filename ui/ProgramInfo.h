#pragma once
// What the program says about itself (its version, licence and homepage) and how it
// names itself to the desktop.

// The version, as the project declares it: "1.01".
const char* ProgramVersion();
// Where newer versions and the sources are found.
const char* ProgramHomepage();
// The licence, as an SPDX expression.
const char* ProgramLicence();

// Ties the windows to the program's desktop entry (the window manager's class, the
// Wayland application id) and gives them its icon; names where its settings are kept.
void SetDesktopIdentity();
