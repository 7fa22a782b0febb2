#include "app/Scramble.h"

namespace pelora {

namespace {

std::uint16_t nextKey(std::uint16_t key, unsigned char scrambled) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(key) + scrambled) * 40503u +
                                      21911u);
}

} // namespace

QByteArray ScrambleText(const QByteArray& plain, std::uint16_t startKey) {
    QByteArray out(plain.size(), '\0');
    std::uint16_t key = startKey;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) ^ (key >> 8));
        out[i] = static_cast<char>(c);
        key = nextKey(key, c);
    }
    return out;
}

QByteArray UnscrambleText(const QByteArray& scrambled, std::uint16_t startKey) {
    QByteArray out(scrambled.size(), '\0');
    std::uint16_t key = startKey;
    for (qsizetype i = 0; i < scrambled.size(); ++i) {
        const auto c = static_cast<unsigned char>(scrambled[i]);
        out[i] = static_cast<char>(c ^ (key >> 8));
        key = nextKey(key, c);
    }
    return out;
}

} // namespace pelora
