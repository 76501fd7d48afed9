#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <vector>

// The one format the mixer plays: interleaved signed 16-bit stereo at 44100 Hz.
inline constexpr int kMixRate = 44100;
inline constexpr int kMixChannels = 2;

// Samples in the mixer's format, only ever read. A clip either owns its
// samples (a wave decoded from a file) or views samples that stay in place for
// as long as the program runs (a built-in wave inside the program's image),
// which spares the built-in tunes a copy of several megabytes at start-up.
class PcmClip {
public:
    using value_type = int16_t;
    using const_iterator = const int16_t*;
    using iterator = const_iterator;

    PcmClip() = default;
    PcmClip(std::vector<int16_t> samples) : m_owned(std::move(samples)) {}
    PcmClip(std::initializer_list<int16_t> samples) : m_owned(samples) {}
    template <std::input_iterator It>
    PcmClip(It first, It last) : m_owned(first, last)
    {
    }

    // The caller promises that the samples outlive every copy of the clip.
    static PcmClip View(const int16_t* samples, std::size_t count)
    {
        PcmClip clip;
        clip.m_view = samples;
        clip.m_viewCount = count;
        return clip;
    }

    const int16_t* data() const { return m_view != nullptr ? m_view : m_owned.data(); }
    std::size_t size() const { return m_view != nullptr ? m_viewCount : m_owned.size(); }
    bool empty() const { return size() == 0; }
    const_iterator begin() const { return data(); }
    const_iterator end() const { return data() + size(); }
    int16_t front() const { return *data(); }
    int16_t operator[](std::size_t index) const { return data()[index]; }

    friend bool operator==(const PcmClip& a, const PcmClip& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    std::vector<int16_t> m_owned;
    const int16_t* m_view = nullptr;
    std::size_t m_viewCount = 0;
};

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

// The clip of a wave image already in the mixer's format, viewing the samples
// where they lie: for images that stay in place as long as the program runs.
// Gives the same samples decodeWave would, without copying or counting a
// decode; gives nothing for any other wave, or when the samples do not lie on
// a 16-bit boundary (the caller then decodes a copy).
std::optional<PcmClip> viewWave(const uint8_t* data, std::size_t size);

// How many times decodeWave has run in this process: playing must never
// decode, and the count lets a test see that.
uint64_t wavesDecoded();
