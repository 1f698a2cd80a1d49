#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// Standard base64 (RFC 4648 alphabet, "=" padding), as the JSON form carries the picture.
namespace base64 {

std::string Encode(const std::vector<uint8_t> &data);

// Decodes padded base64 without line breaks. False when the text is not such base64.
bool Decode(const std::string &text, std::vector<uint8_t> &out);

} // namespace base64

} // namespace aw
