// Writes the game's built-in sounds into the folder given as the argument:
// the three clock tunes, the game-over phrase and the silent wave.
#include "Tunes.h"
#include "WaveFile.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    try {
        for (const Tune& tune : clockTunes())
            writeWave(folder + "/" + tune.name + ".wav", renderTune(tune), 2, 44100);
        writeWave(folder + "/GAMEOVER.wav", renderGameOver(), 1, 44100);
        writeSilentWave(folder + "/NOSOUND.wav");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "tolmora_synth: %s\n", error.what());
        return 1;
    }
    return 0;
}
