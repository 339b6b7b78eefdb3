// The few parts of DER (ASN.1's distinguished encoding) that reading a signature needs: one
// element at a time, with a tag of one byte and a definite length. Every length is held to the
// bytes that enclose it, so a hostile signature cannot make the reader leave them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace cd_check {

namespace der_tag {
constexpr std::uint8_t kInteger = 0x02;
constexpr std::uint8_t kOctetString = 0x04;
constexpr std::uint8_t kObjectId = 0x06;
constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kSet = 0x31;
// [0], constructed: the explicit tag that wraps a content in PKCS#7.
constexpr std::uint8_t kContextZero = 0xA0;
} // namespace der_tag

// Takes the element that rest begins with: its content when its tag is tag, rest moved behind
// it. False, rest unchanged, when rest begins with no whole element of that tag.
bool ReadDerContent(std::string_view& rest, std::uint8_t tag, std::string_view& content);

} // namespace cd_check
