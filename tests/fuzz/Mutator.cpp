#include "fuzz/Mutator.h"

#include <algorithm>
#include <climits>

namespace spindora::test {
namespace {

// Values that sit at the edges of what readers compare against.
constexpr uint8_t kInteresting[] = {0x00, 0x01, 0x02, 0x07, 0x08, 0x10, 0x20, 0x40,
                                    0x7f, 0x80, 0xfe, 0xff};

const std::vector<QByteArray>& TextTokens() {
    static const std::vector<QByteArray> tokens = {
        "0", "-1", "1", "9", "10", "11", "255", "256", "-2147483648", "2147483647",
        "99999999999999999999", "0x10", " ", "=", ",", ";", "\"", "\\", "\n", "\r\n", "[", "]",
        "[common]", "[Common]", "[highscore]", "mode=", "gmode=", "pmode=", "tongue=", "@Invalid()",
        "%", "%U0041", "\xc3\xa4", "\xe2\x82\xac", "\xf0\x9f\x98\x80", "\xff", "\xed\xa0\x80"};
    return tokens;
}

}  // namespace

qsizetype Mutator::Place(qsizetype size, qsizetype window) {
    const qsizetype span = window > 0 ? std::min(size, window) : size;
    return span <= 0 ? 0 : random_.Random(static_cast<int>(std::min<qsizetype>(span, INT_MAX)));
}

QByteArray Mutator::Mutate(const QByteArray& seed, int maxEdits, qsizetype window) {
    QByteArray data = seed;
    for (int edits = random_.Random(maxEdits) + 1; edits > 0; --edits) {
        const qsizetype at = Place(data.size(), window);
        switch (random_.Random(7)) {
            case 0:  // flip a bit
                if (!data.isEmpty()) data[at] = static_cast<char>(data[at] ^ (1 << random_.Random(8)));
                break;
            case 1:  // an edge value
                if (!data.isEmpty())
                    data[at] = static_cast<char>(kInteresting[random_.Random(sizeof kInteresting)]);
                break;
            case 2:  // a whole little-endian or big-endian word set to an extreme
                if (data.size() >= at + 4) {
                    const uint32_t words[] = {0, 1, 0x7fffffff, 0x80000000, 0xffffffff,
                                              static_cast<uint32_t>(data.size())};
                    const uint32_t w = words[random_.Random(6)];
                    for (int b = 0; b < 4; ++b) data[at + b] = static_cast<char>(w >> (8 * b));
                }
                break;
            case 3:  // cut short
                data.truncate(at);
                break;
            case 4:  // remove a run
                data.remove(at, random_.Random(64) + 1);
                break;
            case 5:  // repeat a run
                data.insert(at, data.mid(Place(data.size(), 0), random_.Random(64) + 1));
                break;
            default:  // random bytes
                for (int n = random_.Random(8) + 1; n > 0 && at + n <= data.size(); --n)
                    data[at + n - 1] = static_cast<char>(random_.Random(256));
                break;
        }
    }
    return data;
}

QByteArray Mutator::MutateText(const QByteArray& seed, int maxEdits) {
    QByteArray text = seed;
    const std::vector<QByteArray>& tokens = TextTokens();
    for (int edits = random_.Random(maxEdits) + 1; edits > 0; --edits) {
        const qsizetype at = Place(text.size() + 1, 0);
        const QByteArray& token = tokens[random_.Random(static_cast<int>(tokens.size()))];
        switch (random_.Random(3)) {
            case 0: text.insert(at, token); break;
            case 1: text.replace(at, random_.Random(6), token); break;
            default: text = Mutate(text, 1); break;
        }
    }
    return text;
}

}  // namespace spindora::test
