#include "server/data_folder.h"

#include <filesystem>
#include <fstream>

namespace quarlo::server {

namespace {

bool WriteIfMissing(const std::filesystem::path& path, const std::string& text) {
  if (std::filesystem::exists(path)) return true;
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

Status PrepareDataFolder(const std::string& dir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path root(dir);
  for (const fs::path& sub : {root, root / "musik", root / "downloads"}) {
    fs::create_directories(sub, ec);
    if (ec) return Status::Fail("cannot create " + sub.string() + ": " + ec.message());
  }
  if (!WriteIfMissing(root / "news.html",
                      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>News</title></head>\n"
                      "<body><!-- QovNews00000 --><p>No news yet.</p></body></html>\n") ||
      !WriteIfMissing(root / "musik" / "_playlist.html", "")) {
    return Status::Fail("cannot write the default pages in " + dir);
  }
  return Status::Ok();
}

}  // namespace quarlo::server
