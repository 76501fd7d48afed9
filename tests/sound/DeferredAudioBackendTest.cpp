#include "DeferredAudioBackend.h"
#include "fakes/RecordingAudioBackend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace {

using namespace std::chrono_literals;

SoundClip Wave(uint8_t tag)
{
    return std::make_shared<const PcmClip>(PcmClip{'W', tag});
}

// The open runs on a worker: wait for it, with a bound that only guards a hang.
void WaitUntilOpened(const DeferredAudioBackend& backend)
{
    for (int i = 0; i < 2000 && !backend.IsOpened(); ++i)
        std::this_thread::sleep_for(5ms);
    ASSERT_TRUE(backend.IsOpened()) << "the open never finished";
}

// The device opens only when asked and only once; sounds before the open are dropped, later ones pass on unchanged.
TEST(DeferredAudio, PassesOnOnlyWhatComesAfterTheOpen)
{
    int opens = 0;
    RecordingAudioBackend* device = nullptr;
    DeferredAudioBackend backend([&]() -> std::unique_ptr<AudioBackend> {
        ++opens;
        auto recording = std::make_unique<RecordingAudioBackend>();
        device = recording.get();
        return recording;
    });
    backend.Play(Wave(1), true, true);
    EXPECT_EQ(opens, 0);
    backend.Open();
    WaitUntilOpened(backend);
    backend.Open();
    backend.Play(Wave(2), true, false);
    backend.Play(Wave(3), false, true);
    EXPECT_EQ(opens, 1);
    ASSERT_NE(device, nullptr);
    std::vector<std::tuple<int, bool, bool>> heard;
    for (const auto& call : device->calls)
        heard.emplace_back((*call.clip)[1], call.loop, call.noStop);
    EXPECT_EQ(heard, (std::vector<std::tuple<int, bool, bool>>{{2, true, false}, {3, false, true}}));
}

// Opening never holds up the caller: it runs on another thread, and sounds asked for meanwhile are dropped.
TEST(DeferredAudio, OpensOnAWorkerWithoutBlockingPlays)
{
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::thread::id opener;
    RecordingAudioBackend* device = nullptr;
    DeferredAudioBackend backend([&]() -> std::unique_ptr<AudioBackend> {
        opener = std::this_thread::get_id();
        // Bounded, so that an open on the caller's thread fails below instead of hanging.
        released.wait_for(5s);
        auto recording = std::make_unique<RecordingAudioBackend>();
        device = recording.get();
        return recording;
    });
    backend.Open();
    backend.Play(Wave(1), true, false);
    EXPECT_FALSE(backend.IsOpened());
    release.set_value();
    WaitUntilOpened(backend);
    backend.Play(Wave(2), false, true);
    EXPECT_NE(opener, std::this_thread::get_id());
    ASSERT_NE(device, nullptr);
    ASSERT_EQ(device->calls.size(), 1u);
    EXPECT_EQ((*device->calls[0].clip)[1], 2);
}

// A back end closed while its device is still opening waits for the open, then closes the device.
TEST(DeferredAudio, ClosingDuringTheOpenClosesTheDevice)
{
    struct Device final : AudioBackend {
        explicit Device(int& closed) : closed(closed) {}
        ~Device() override { ++closed; }
        void Play(const SoundClip&, bool, bool) override {}
        int& closed;
    };
    int closed = 0;
    {
        DeferredAudioBackend backend([&closed]() -> std::unique_ptr<AudioBackend> {
            std::this_thread::sleep_for(50ms);
            return std::make_unique<Device>(closed);
        });
        backend.Open();
    }
    EXPECT_EQ(closed, 1);
}

}  // namespace
