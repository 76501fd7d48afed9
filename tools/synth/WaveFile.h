#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes interleaved 16-bit PCM as a canonical 44-byte-header wave file.
void writeWave(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate);

// Writes the 58-byte silent wave: stereo, 44100 Hz, 16 bit, a fact chunk and
// an empty data chunk.
void writeSilentWave(const std::string& path);
