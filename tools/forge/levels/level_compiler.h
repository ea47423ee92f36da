// Level sources (content/levels/*.lvl) into the game's ".doy" level files.
// The format is described in content/levels/README.md.
#pragma once

#include <string>

namespace forge {

// Compiles one source; `sourceName` names it in error messages. Any error
// stops the forge with "name:line: message".
std::string CompileLevelSource(const std::string& text, const std::string& sourceName);

}  // namespace forge
