// What the fuzz targets share: a private scratch folder (in memory where the
// machine has /dev/shm, so the readers' many small files cost no disk), and a
// headless game to read into.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

// <scratch>/data is the content folder the game reads, <scratch>/save the
// folder it writes; both exist and are empty at first.
const std::string& Scratch();
std::string DataDir();
std::string SaveDir();

// Writes the bytes to the file (the folders on the way are made).
void WriteBytes(const std::string& path, const uint8_t* data, size_t size);
void RemoveFile(const std::string& path);

// Starts the headless presentation layer once: no window, the dummy sound
// driver, content read from DataDir, writes to SaveDir.
void StartHeadlessGame();

}  // namespace fuzz
