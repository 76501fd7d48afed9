// Feeds arbitrary bytes to the wave decoder as a theme's wave file reaches
// it, and plays whatever decodes through the mixer, looping.
#include "SoundMixer.h"
#include "WaveDecoder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    // A small output bound keeps each run quick; it is checked by the same code.
    std::optional<PcmClip> pcm = decodeWave(data, size, std::size_t{4} << 20);
    if (!pcm)
        return 0;
    if (pcm->size() % kMixChannels != 0)
        std::abort();
    auto clip = std::make_shared<const PcmClip>(std::move(*pcm));
    SoundMixer mixer;
    SoundMixer::Clip retired;
    mixer.start(clip, true, false, retired);
    int16_t buffer[2 * 512];
    for (int i = 0; i < 3; ++i)
        mixer.fill(buffer, 512);
    return 0;
}
