// The chime worker on real threads and real global memory; the sound output
// is recorded, and once passed on to the system's PlaySoundA.
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ChimeRecorder.h"
#include "support/DialogDriver.h"

namespace {

class ChimeWorker : public ::testing::Test {
protected:
    ChimeRecorder m_recorder;

    static bool WaitForPlays(size_t n)
    {
        return WaitUntil([n] { return ChimeRecorder::Plays().size() >= n; }, 5000);
    }
    static bool WaitForFreedBlocks()
    {
        return WaitUntil([] { return ChimeRecorder::AllBlocksFreed(); }, 5000);
    }
};

TEST_F(ChimeWorker, PlaysSynchronouslyOnItsOwnThreadAsOftenAsAskedThenFreesTheBlock)
{
    ASSERT_TRUE(StartChime(3, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV"));
    ASSERT_TRUE(WaitForPlays(3));
    EXPECT_TRUE(WaitForFreedBlocks());
    Sleep(100);
    const std::vector<RecordedPlay> plays = ChimeRecorder::Plays();
    ASSERT_EQ(plays.size(), 3u);
    for (const RecordedPlay& play : plays) {
        EXPECT_EQ(play.sound, "C:\\WINDOWS\\MEDIA\\CHIMES.WAV");
        EXPECT_EQ(play.flags, 0u) << "not synchronous, or a name flag was added";
        EXPECT_TRUE(play.noModule);
        EXPECT_NE(play.threadId, GetCurrentThreadId());
        EXPECT_EQ(play.threadId, plays[0].threadId) << "repetitions spread over threads";
    }
}

TEST_F(ChimeWorker, NothingToPlayStillStartsAWorkerThatFreesItsBlock)
{
    for (LONG count : {LONG(0), LONG(-1), std::numeric_limits<LONG>::min()})
        EXPECT_TRUE(StartChime(count, "C:\\a.wav"));
    EXPECT_EQ(ChimeRecorder::Starts(), 3u);
    EXPECT_TRUE(WaitForFreedBlocks());
    EXPECT_TRUE(ChimeRecorder::Plays().empty());
}

TEST_F(ChimeWorker, ManyEventsLeaveNoBlockBehind)
{
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(StartChime(1, "C:\\a.wav"));
    EXPECT_TRUE(WaitForPlays(300));
    EXPECT_TRUE(WaitForFreedBlocks());
}

TEST_F(ChimeWorker, AWorkerThatCannotStartLeavesNoBlock)
{
    ChimeRecorder::FailStarts(true);
    EXPECT_FALSE(StartChime(2, "C:\\a.wav"));
    ASSERT_EQ(ChimeRecorder::Starts(), 1u);
    EXPECT_TRUE(ChimeRecorder::AllBlocksFreed());
    Sleep(100);
    EXPECT_TRUE(ChimeRecorder::Plays().empty());
}

TEST_F(ChimeWorker, TheBlockIsTheWorkersWholeInput)
{
    // As handed over: movable, zero-filled, the count then the path.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 260);
    ASSERT_NE(block, nullptr);
    char* bytes = static_cast<char*>(GlobalLock(block));
    const LONG count = 2;
    std::memcpy(bytes, &count, sizeof(count));
    const std::string longest = "C:\\" + std::string(252, 'w');  // 255 bytes
    std::memcpy(bytes + 4, longest.c_str(), longest.size() + 1);
    GlobalUnlock(block);

    EXPECT_EQ(ChimeThreadProc(block), 0u);
    EXPECT_EQ(GlobalFlags(block), static_cast<UINT>(GMEM_INVALID_HANDLE));
    ASSERT_EQ(ChimeRecorder::Plays().size(), 2u);
    EXPECT_EQ(ChimeRecorder::Plays()[1].sound, longest);
}

TEST_F(ChimeWorker, ALongestPathIsHandedOverWhole)
{
    const std::string longest = "C:\\" + std::string(252, 'w');
    ASSERT_TRUE(StartChime(1, longest.c_str()));
    ASSERT_TRUE(WaitForPlays(1));
    EXPECT_EQ(ChimeRecorder::Plays()[0].sound, longest);
}

// A short wave file: 8 kHz, 8-bit mono, a tenth of a second of tone.
std::string WriteWave()
{
    char dir[MAX_PATH];
    GetTempPathA(sizeof(dir), dir);
    const std::string path = std::string(dir) + "zentik-chime.wav";
    const unsigned samples = 800;
    std::vector<unsigned char> data(samples);
    for (unsigned i = 0; i < samples; ++i)
        data[i] = (i / 8) % 2 ? 0xC0 : 0x40;
    auto le32 = [](unsigned v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto le16 = [](unsigned v) { return std::string{char(v), char(v >> 8)}; };
    std::string wave = "RIFF" + le32(36 + samples) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
                       le32(8000) + le16(1) + le16(8) + "data" + le32(samples);
    wave.append(data.begin(), data.end());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return "";
    std::fwrite(wave.data(), 1, wave.size(), f);
    std::fclose(f);
    return path;
}

TEST_F(ChimeWorker, AWaveFileGoesThroughTheSystemsPlaySoundOnTheWorker)
{
    const std::string wave = WriteWave();
    ASSERT_FALSE(wave.empty());
    ChimeRecorder::PlayForReal(true);
    ASSERT_TRUE(StartChime(2, wave.c_str()));
    // Each synchronous call has returned once its result is recorded.
    EXPECT_TRUE(WaitUntil([] { return ChimeRecorder::RealResults().size() == 2; }, 10000));
    EXPECT_TRUE(WaitForFreedBlocks());
    const std::vector<RecordedPlay> plays = ChimeRecorder::Plays();
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_NE(plays[0].threadId, GetCurrentThreadId());
    DeleteFileA(wave.c_str());
}

}  // namespace
