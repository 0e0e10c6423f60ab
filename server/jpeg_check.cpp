#include "server/jpeg_check.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace quarlo::server {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings (corrupt data, a premature end that the decoder pads) are
// counted and judged below; the library's own counter lives in the default
// handler that this one replaces.
void OnMessage(j_common_ptr info, int level) {
  if (level < 0) ++info->err->num_warnings;
}

}  // namespace

std::string CheckJpeg(std::string_view bytes, int max_side) {
  if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
      static_cast<unsigned char>(bytes[1]) != 0xD8) {
    return "not a JPEG picture";
  }
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnMessage;
  std::vector<unsigned char> row;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return std::string("cannot decode: ") + errors.message;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (info.image_width == 0 || info.image_height == 0 || info.image_width > static_cast<unsigned>(max_side) ||
      info.image_height > static_cast<unsigned>(max_side)) {
    jpeg_destroy_decompress(&info);
    return "picture size out of range";
  }
  jpeg_start_decompress(&info);
  row.resize(static_cast<std::size_t>(info.output_width) * info.output_components);
  while (info.output_scanline < info.output_height) {
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&info, rows, 1);
  }
  const long warnings = errors.base.num_warnings;
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  if (warnings > 0) return "damaged JPEG picture";
  return {};
}

}  // namespace quarlo::server
