// Wrapping text into lines of a width in the current font: "#" forces a line
// break, a line too wide is cut after its last space, and a word wider than
// the whole width stands over-long on a line of its own.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> WrapText(const std::string& text, int width);

// A text placed in the level: nothing unless its square (x, y, width, width)
// is on screen; line n at (x - camera x, y + n * lineHeight - camera y).
void DrawWorldText(float x, float y, int width, int lineHeight, const std::string& text);
