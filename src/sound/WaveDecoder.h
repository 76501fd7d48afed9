#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The one format the mixer plays: interleaved signed 16-bit stereo at 44100 Hz.
inline constexpr int kMixRate = 44100;
inline constexpr int kMixChannels = 2;

using PcmClip = std::vector<int16_t>;

// A theme may name any file as a sound; anything bigger than this is not a
// wave the game would play, and reading it could exhaust memory.
inline constexpr std::size_t kMaxWaveBytes = std::size_t{64} << 20;

// Compressed or low-rate waves grow when converted to the mixer's format;
// a clip that would grow beyond this (six minutes) is refused too. Decoding
// holds SDL's copy of a wave's samples and the clip for a moment.
inline constexpr std::size_t kMaxPcmBytes = std::size_t{64} << 20;

// Reads a whole wave file image (any PCM, ADPCM, float or law-coded wave that
// SDL's loader accepts) and converts it to the mixer's format. A wave with no
// samples gives an empty clip; an image that cannot be played gives nothing.
std::optional<PcmClip> decodeWave(const uint8_t* data, std::size_t size,
                                  std::size_t maxPcmBytes = kMaxPcmBytes);

// How many times decodeWave has run in this process: playing must never
// decode, and the count lets a test see that.
uint64_t wavesDecoded();
