#include "remote/Sha256.h"

#include <array>
#include <bit>
#include <cstdint>

#include "remote/HexText.h"

namespace {

using State = std::array<std::uint32_t, 8>;

constexpr std::array<std::uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

constexpr State kInitialState = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

constexpr std::size_t kBlockSize = 64;

std::uint32_t BigEndianWord(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | std::uint32_t{bytes[3]};
}

void Compress(State& state, const std::uint8_t* block) {
    std::array<std::uint32_t, 64> schedule{};
    for (std::size_t t = 0; t < 16; ++t) schedule[t] = BigEndianWord(block + 4 * t);
    for (std::size_t t = 16; t < 64; ++t) {
        const std::uint32_t s0 = std::rotr(schedule[t - 15], 7) ^ std::rotr(schedule[t - 15], 18) ^
                                 (schedule[t - 15] >> 3);
        const std::uint32_t s1 = std::rotr(schedule[t - 2], 17) ^ std::rotr(schedule[t - 2], 19) ^
                                 (schedule[t - 2] >> 10);
        schedule[t] = schedule[t - 16] + s0 + schedule[t - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, h] = state;
    for (std::size_t t = 0; t < 64; ++t) {
        const std::uint32_t sum1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
        const std::uint32_t choose = (e & f) ^ (~e & g);
        const std::uint32_t temp1 = h + sum1 + choose + kRoundConstants[t] + schedule[t];
        const std::uint32_t sum0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
        const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        h = g;
        g = f;
        f = e;
        e = d + temp1;
        d = c;
        c = b;
        b = a;
        a = temp1 + sum0 + majority;
    }
    const State working = {a, b, c, d, e, f, g, h};
    for (std::size_t i = 0; i < state.size(); ++i) state[i] += working[i];
}

// The message's last partial block with the padding (a 1 bit, zeros, and
// the message length in bits): one block or two.
struct PaddedTail {
    std::array<std::uint8_t, 2 * kBlockSize> bytes{};
    std::size_t blocks = 1;
};

PaddedTail Pad(std::string_view tail, std::uint64_t bits) {
    PaddedTail padded;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        padded.bytes[i] = static_cast<std::uint8_t>(tail[i]);
    }
    padded.bytes[tail.size()] = 0x80;
    padded.blocks = tail.size() + 1 + 8 <= kBlockSize ? 1 : 2;
    const std::size_t end = padded.blocks * kBlockSize;
    for (std::size_t i = 0; i < 8; ++i) {
        padded.bytes[end - 1 - i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return padded;
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
    State state = kInitialState;
    const std::size_t whole = bytes.size() / kBlockSize * kBlockSize;
    for (std::size_t offset = 0; offset < whole; offset += kBlockSize) {
        Compress(state, reinterpret_cast<const std::uint8_t*>(bytes.data() + offset));
    }
    const PaddedTail tail = Pad(bytes.substr(whole), std::uint64_t{bytes.size()} * 8);
    for (std::size_t block = 0; block < tail.blocks; ++block) {
        Compress(state, tail.bytes.data() + block * kBlockSize);
    }

    std::array<std::uint8_t, 32> digest{};
    for (std::size_t i = 0; i < state.size(); ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            digest[4 * i + j] = static_cast<std::uint8_t>(state[i] >> (24 - 8 * j));
        }
    }
    return LowerHex(digest);
}
