#pragma once
// The foreign sound of the audio self-check: a short bell, written as a WAV
// file and played by a separate process (paplay) through the audio server.

#include <cstdint>
#include <string>
#include <vector>

namespace tocko {

// 16-bit mono PCM WAV bytes of a 0.35-second bell at 48 kHz.
std::vector<uint8_t> bellWav();

// Writes the bell to a temporary file, runs `player` on it and waits for it
// to exit; returns its exit status, or -1 when it could not be started.
int playBellWith(const std::string& player);

}  // namespace tocko
