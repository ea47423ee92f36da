// What the pieces of the presentation layer share among themselves; the game
// itself uses present.h only.
#pragma once

// Whether this build runs under the address sanitizer (GCC's or clang's).
#if defined(__SANITIZE_ADDRESS__)
#define BOINGLE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BOINGLE_ASAN 1
#endif
#endif
#ifndef BOINGLE_ASAN
#define BOINGLE_ASAN 0
#endif
constexpr bool kUnderAddressSanitizer = BOINGLE_ASAN != 0;

#include "present/present.h"

// Headless time: 1000/60 ms per presented frame.
int VirtualMillisecs();

// The circle the ovals are cut from, and the atlas pages of fonts, are images
// the layer makes itself.
Image* RegisterImage(std::unique_ptr<Image> img);
Image* OvalImage();

// PNG files: RGBA8, straight alpha, top row first.
bool DecodePng(const std::vector<uint8_t>& bytes, int* w, int* h, std::vector<uint8_t>* rgba);
bool ReadPngSize(const std::vector<uint8_t>& bytes, int* w, int* h);
bool WritePng(const std::string& realPath, int w, int h, const uint8_t* rgba);

// Input bookkeeping the frame loop drives.
void ResetInput();
void ReleaseHeldKeys();  // keys let go of without a press of their own
void ResetFocus();       // focused, no losses counted, sound not held

// The F12 screenshot: InjectKey notes the press, the end of the frame takes
// the picture then on show.
void NoteScreenshotKey();
void ForgetScreenshotKey();
void TakeNotedScreenshot();
