#include "Score.h"

#include <sstream>
#include <stdexcept>

namespace {

int parsePitch(const std::string& name)
{
    static const int semitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::invalid_argument("bad note name: " + name);
    int pitch = semitones[name[0] - 'A'];
    std::size_t at = 1;
    if (name[at] == '#' || name[at] == 'b') {
        pitch += name[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
        throw std::invalid_argument("bad octave: " + name);
    return pitch + 12 * (name[at] - '0' + 1);
}

}  // namespace

std::vector<ScoreNote> parsePart(const std::string& text)
{
    std::vector<ScoreNote> part;
    std::istringstream entries(text);
    std::string entry;
    int step = 0;
    while (entries >> entry) {
        const auto colon = entry.find(':');
        if (colon == std::string::npos)
            throw std::invalid_argument("no length: " + entry);
        ScoreNote note;
        note.step = step;
        note.length = std::stoi(entry.substr(colon + 1));
        if (note.length <= 0)
            throw std::invalid_argument("bad length: " + entry);
        const std::string names = entry.substr(0, colon);
        if (names != "r") {
            std::istringstream chord(names);
            std::string name;
            while (std::getline(chord, name, ','))
                note.pitches.push_back(parsePitch(name));
        }
        step += note.length;
        part.push_back(note);
    }
    return part;
}

int partLength(const std::vector<ScoreNote>& part)
{
    return part.empty() ? 0 : part.back().step + part.back().length;
}

std::vector<DrumHit> parseBeat(const std::string& pattern, int& steps)
{
    std::vector<DrumHit> hits;
    steps = 0;
    for (char c : pattern) {
        if (c == '|' || c == ' ')
            continue;
        if (c != '.' && c != 'x' && c != 'X' && c != 'o')
            throw std::invalid_argument(std::string("bad drum step: ") + c);
        if (c != '.')
            hits.push_back({steps, c});
        ++steps;
    }
    return hits;
}
