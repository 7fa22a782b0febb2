#pragma once

#include <QByteArray>

#include <cstdint>

namespace pelora {

// The start key of the configuration file's password.
constexpr std::uint16_t kScrambleKey = 5326;

// The password of pelora.ini is stored scrambled: each byte is XORed with the high byte of a
// running 16-bit key that the scrambled byte then moves on. Both keep the length, and
// UnscrambleText exactly undoes ScrambleText.
QByteArray ScrambleText(const QByteArray& plain, std::uint16_t startKey = kScrambleKey);
QByteArray UnscrambleText(const QByteArray& scrambled, std::uint16_t startKey = kScrambleKey);

} // namespace pelora
