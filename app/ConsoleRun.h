#pragma once

#include "app/CommandLine.h"
#include "platform/SettingsStore.h"

#include <cstdio>

namespace tamsoret {

// Makes the one listing that the command line asks for without a window, from the stored
// options with the command line's changes, and returns the exit status: 0 done, 1 a
// failure reported, 2 a missing folder or an unknown printer queue. Messages go to
// errors in the words of the window's message boxes, one line for each of a box's lines;
// when errors is a terminal, the stage and the entries read so far are shown there while
// the run works. Needs a QCoreApplication, and a QGuiApplication for the PDF and the
// printer.
int RunWithoutWindow(const CommandLine &line, SettingsStore &store, std::FILE *errors);

// Whether a run of this mode needs fonts, and so a QGuiApplication.
bool NeedsFonts(const CommandLine &line);

} // namespace tamsoret
