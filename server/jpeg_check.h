// Whether uploaded bytes are a JPEG picture that decodes completely.
#pragma once

#include <string>
#include <string_view>

namespace quarlo::server {

// Empty when the picture decodes; otherwise why not. Pictures larger than
// max_side pixels on a side are refused before decoding, so a small file
// cannot make the server allocate a huge image.
std::string CheckJpeg(std::string_view bytes, int max_side = 4096);

}  // namespace quarlo::server
