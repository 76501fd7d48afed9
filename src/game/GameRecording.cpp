#include "GameRecording.h"

#include <array>
#include <limits>

namespace {

constexpr uint8_t kFormat = 1;
// Moves are never more than a byte or two each; a count beyond what the
// bytes could hold is damage, not a reason to reserve gigabytes.
constexpr size_t kSmallestMove = 2;
// The largest board the game builds is 1001 cells a side; a larger one in a
// recording is damage, and would have a replay build a board of any size.
constexpr int32_t kLargestSide = 1001;

uint32_t Crc32(std::string_view bytes)
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (const char b : bytes) crc = table[(crc ^ static_cast<uint8_t>(b)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutVarint(std::string& out, uint64_t value)
{
    while (value >= 0x80) {
        out.push_back(static_cast<char>((value & 0x7F) | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<char>(value));
}

uint64_t ZigZag(int64_t value) { return (static_cast<uint64_t>(value) << 1) ^ static_cast<uint64_t>(value >> 63); }
int64_t UnZigZag(uint64_t value) { return static_cast<int64_t>(value >> 1) ^ -static_cast<int64_t>(value & 1); }

class Reader {
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes) {}

    bool Varint(uint64_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_at >= m_bytes.size()) return false;
            const auto byte = static_cast<uint8_t>(m_bytes[m_at++]);
            value |= uint64_t(byte & 0x7F) << shift;
            if (!(byte & 0x80)) return shift < 63 || byte <= 1;
        }
        return false;
    }
    template <typename T>
    bool Unsigned(T& value)
    {
        uint64_t read = 0;
        if (!Varint(read) || read > std::numeric_limits<T>::max()) return false;
        value = static_cast<T>(read);
        return true;
    }
    bool Signed(int32_t& value)
    {
        uint64_t read = 0;
        if (!Varint(read)) return false;
        const int64_t wide = UnZigZag(read);
        if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max()) return false;
        value = static_cast<int32_t>(wide);
        return true;
    }
    bool Byte(uint8_t& value)
    {
        if (m_at >= m_bytes.size()) return false;
        value = static_cast<uint8_t>(m_bytes[m_at++]);
        return true;
    }
    bool Fixed64(uint64_t& value)
    {
        if (m_bytes.size() - m_at < 8) return false;
        value = 0;
        for (int i = 0; i < 8; ++i) value |= uint64_t(static_cast<uint8_t>(m_bytes[m_at++])) << (8 * i);
        return true;
    }
    size_t left() const { return m_bytes.size() - m_at; }

private:
    std::string_view m_bytes;
    size_t m_at = 0;
};

// A move's first byte: its kind (3 bits), what a press did (2 bits) and the
// ticks since the move before (3 bits; 7 means a varint follows).
constexpr uint8_t kTicksInline = 7;

}  // namespace

std::string EncodeRecording(const GameRecording& recording)
{
    std::string out;
    out.reserve(32 + recording.moves.size() * 5);
    out.push_back(static_cast<char>(kFormat));
    PutVarint(out, recording.boardNumber);
    PutVarint(out, ZigZag(recording.width));
    PutVarint(out, ZigZag(recording.height));
    PutVarint(out, ZigZag(recording.gameTime));
    PutVarint(out, ZigZag(recording.outcome.score));
    PutVarint(out, ZigZag(recording.outcome.level));
    PutVarint(out, ZigZag(recording.outcome.bricksRemoved));
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<char>(recording.outcome.boardDigest >> (8 * i)));
    PutVarint(out, recording.moves.size());

    uint32_t time = 0;
    uint32_t ticks = 0;
    for (const GameRecording::Move& move : recording.moves) {
        // Times and ticks only grow in a game; a recording built otherwise
        // still round-trips, its differences taken modulo 2^32.
        const uint32_t tickStep = move.ticks - ticks;
        const uint8_t inlineTicks = tickStep < kTicksInline ? static_cast<uint8_t>(tickStep) : kTicksInline;
        out.push_back(static_cast<char>(static_cast<uint8_t>(move.kind) | static_cast<uint8_t>(move.press) << 3 |
                                        inlineTicks << 5));
        if (inlineTicks == kTicksInline) PutVarint(out, tickStep);
        PutVarint(out, move.timeMs - time);
        if (move.kind == GameRecording::Kind::Press) {
            PutVarint(out, ZigZag(move.x));
            PutVarint(out, ZigZag(move.y));
        }
        time = move.timeMs;
        ticks = move.ticks;
    }
    const uint32_t crc = Crc32(out);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(crc >> (8 * i)));
    return out;
}

std::optional<GameRecording> DecodeRecording(std::string_view bytes)
{
    if (bytes.size() < 5) return std::nullopt;
    const std::string_view body = bytes.substr(0, bytes.size() - 4);
    uint32_t stored = 0;
    for (int i = 0; i < 4; ++i) stored |= uint32_t(static_cast<uint8_t>(bytes[body.size() + i])) << (8 * i);
    if (Crc32(body) != stored) return std::nullopt;

    Reader in(body);
    GameRecording recording;
    uint8_t format = 0;
    uint64_t count = 0;
    if (!in.Byte(format) || format != kFormat || !in.Unsigned(recording.boardNumber) || !in.Signed(recording.width) ||
        !in.Signed(recording.height) || !in.Signed(recording.gameTime) || !in.Signed(recording.outcome.score) ||
        !in.Signed(recording.outcome.level) || !in.Signed(recording.outcome.bricksRemoved) ||
        !in.Fixed64(recording.outcome.boardDigest) || !in.Varint(count) || count > in.left() / kSmallestMove)
        return std::nullopt;
    if (recording.width < 1 || recording.width > kLargestSide || recording.height < 1 || recording.height > kLargestSide)
        return std::nullopt;

    recording.moves.reserve(count);
    uint32_t time = 0;
    uint32_t ticks = 0;
    for (uint64_t i = 0; i < count; ++i) {
        uint8_t head = 0;
        if (!in.Byte(head)) return std::nullopt;
        GameRecording::Move move;
        const uint8_t kind = head & 7;
        const uint8_t press = (head >> 3) & 3;
        if (kind > static_cast<uint8_t>(GameRecording::Kind::Resume) || press > static_cast<uint8_t>(GameRecording::Press::Removed))
            return std::nullopt;
        move.kind = static_cast<GameRecording::Kind>(kind);
        move.press = static_cast<GameRecording::Press>(press);
        uint32_t tickStep = head >> 5;
        uint32_t timeStep = 0;
        if ((tickStep == kTicksInline && !in.Unsigned(tickStep)) || !in.Unsigned(timeStep)) return std::nullopt;
        if (move.kind == GameRecording::Kind::Press) {
            if (!in.Signed(move.x) || !in.Signed(move.y)) return std::nullopt;
        } else if (move.press != GameRecording::Press::Nothing) {
            return std::nullopt;
        }
        ticks += tickStep;
        time += timeStep;
        move.ticks = ticks;
        move.timeMs = time;
        recording.moves.push_back(move);
    }
    if (in.left() != 0) return std::nullopt;
    return recording;
}
