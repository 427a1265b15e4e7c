#include <gtest/gtest.h>

#include <QtEndian>
#include <algorithm>

#include "assets/EmbeddedAssets.h"

namespace spindora {
namespace {

quint32 U32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 U16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

TEST(WaveList, FiveEmbeddedEightBitMonoWavesOfTheAgreedRateAndLength) {
    const struct { int rate, samples; } expected[] = {
        {11025, 391}, {22050, 10680}, {11000, 2625}, {22050, 4560}, {22050, 40662},
    };
    for (int item = 0; item < 5; ++item) {
        SCOPED_TRACE(item);
        const QByteArray wave = WaveList(item);
        ASSERT_GE(wave.size(), 44);
        EXPECT_EQ(wave.left(4), "RIFF");
        EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(U32(wave, 4), quint32(wave.size() - 8));
        EXPECT_EQ(U32(wave, 16), 16u);
        EXPECT_EQ(U16(wave, 20), 1) << "uncompressed PCM";
        EXPECT_EQ(U16(wave, 22), 1) << "one channel";
        EXPECT_EQ(U32(wave, 24), quint32(expected[item].rate));
        EXPECT_EQ(U32(wave, 28), quint32(expected[item].rate)) << "bytes per second";
        EXPECT_EQ(U16(wave, 32), 1);
        EXPECT_EQ(U16(wave, 34), 8);
        EXPECT_EQ(wave.mid(36, 4), "data");
        ASSERT_EQ(U32(wave, 40), quint32(expected[item].samples));
        ASSERT_GE(wave.size(), 44 + expected[item].samples);

        const auto* s = reinterpret_cast<const uchar*>(wave.constData() + 44);
        const int n = expected[item].samples;
        const auto [low, high] = std::minmax_element(s, s + n);
        EXPECT_GT(*high - *low, 150) << "a sound, not silence";
        EXPECT_GT(*low, 0) << "clipped";
        EXPECT_LT(*high, 255) << "clipped";
        double mean = 0;
        for (int i = 0; i < n; ++i) mean += s[i];
        EXPECT_NEAR(mean / n, 128, 1.0) << "offset from the middle";
        // Starting and ending at rest: no click at either end.
        EXPECT_NEAR(s[0], 128, 2);
        EXPECT_NEAR(s[n - 1], 128, 2);
    }
    EXPECT_TRUE(WaveList(5).isEmpty());
}

}  // namespace
}  // namespace spindora
