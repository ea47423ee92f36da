// The texts the forge writes as one line with "#" for every line break: the
// credits' thanks and the menu's greetings.
#pragma once

#include <string>

// The first line of the file, or "" when it cannot be read.
std::string ReadTextPage(const std::string& path);
