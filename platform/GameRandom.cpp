// glibc's rand, its additive feedback generator of degree 31: each word is the
// sum of the words 3 and 31 before it, modulo 2^32, and a number is a word without
// its lowest bit. Seeding fills the 31 words with the Lehmer generator 16807 modulo
// 2^31 - 1 and throws the first 310 numbers away.
#include "platform/GameRandom.hpp"

namespace {

constexpr int degree = 31;     // words of state
constexpr int separation = 3;  // the front word runs this far ahead of the rear one

std::uint32_t state[degree] = {}; // the generator's words, as glibc keeps them
int front = separation;           // the word that takes the sum next
int rear = 0;                     // the word added to it

struct Seeded {
    Seeded() { seedGameRandom(1); } // unseeded, it draws what glibc's rand draws before any seed
} seededAtStart;

} // namespace

void seedGameRandom(std::uint32_t seed) {
    if (seed == 0)
        seed = 1;
    // glibc keeps the seed as a signed 32-bit word and divides it as such.
    std::int32_t word = std::int32_t(seed);
    state[0] = std::uint32_t(word);
    for (int i = 1; i < degree; i++) {
        // 16807 * word modulo 2^31 - 1, by Schrage's method, without overflow.
        const std::int64_t hi = word / 127773;
        const std::int64_t lo = word % 127773;
        word = std::int32_t(16807 * lo - 2836 * hi);
        if (word < 0)
            word += 2147483647;
        state[i] = std::uint32_t(word);
    }
    front = separation;
    rear = 0;
    for (int i = 0; i < degree * 10; i++)
        gameRandom();
}

int gameRandom() {
    state[front] += state[rear];
    const int number = int(state[front] >> 1);
    front = (front + 1) % degree;
    rear = (rear + 1) % degree;
    return number;
}
