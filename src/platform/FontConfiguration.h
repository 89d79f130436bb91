#pragma once

// Qt reads the desktop's font configuration the first time a text is measured, and that read is
// the largest single cost of start-up. It needs nothing of the program, so the program starts it
// on another thread and goes on with its diary meanwhile.

// Starts reading the font configuration on another thread.
void ReadFontConfigurationAhead();
// Returns once the read started ahead, if any, has ended.
void AwaitFontConfiguration();
