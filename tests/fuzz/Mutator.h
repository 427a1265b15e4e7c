#pragma once
// A seeded byte mutator for the bounded fuzz loops: the same seed gives the same inputs on
// every run, so a failure names an input that can be made again.
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "rules/Random.h"

namespace spindora::test {

class Mutator {
public:
    explicit Mutator(uint64_t seed) : random_(seed) {}

    // One to `maxEdits` edits on a copy of `seed`, each somewhere in the first `window`
    // bytes (the whole input when 0); headers lie at the start, where damage tells most.
    QByteArray Mutate(const QByteArray& seed, int maxEdits = 4, qsizetype window = 0);

    // A few edits inside text: digits, signs, brackets, separators and non-Latin letters
    // are what a hand edit or another program would put in.
    QByteArray MutateText(const QByteArray& seed, int maxEdits = 3);

    int Below(int n) { return random_.Random(n); }

private:
    qsizetype Place(qsizetype size, qsizetype window);

    SeededRandom random_;
};

}  // namespace spindora::test
