// The message table: the texts of the message boxes and who says them.
//
// A message point names an entry by its index; the speaker is the frame of
// the portrait strip "Images\Misc\icons.png" drawn beside the text. "#" in a
// text breaks the line. Entries not in the file are empty with speaker 0.
#pragma once

#include <string>

constexpr int kMessageTableSize = 2000;

extern std::string MessageText[kMessageTableSize];
extern int MessageSpeaker[kMessageTableSize];

// Fills the table from the forge's file ("INDEX<tab>SPEAKER<tab>TEXT" lines;
// texts are bytes 0-255). The table is emptied first. Returns false when the
// file cannot be read, a line is malformed or the last line has no line end
// (a file cut short); the well-formed lines are still taken.
bool LoadMessageTable(const std::string& path);
