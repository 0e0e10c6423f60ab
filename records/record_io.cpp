#include "records/record_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

namespace quarlo {

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(bytes.substr(start, i - start));
      i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.emplace_back(bytes.substr(start));
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
  auto folder = path.parent_path();
  return folder.empty() ? std::filesystem::path(".") : folder;
}

}  // namespace

namespace {

std::filesystem::path TempPathFor(const std::filesystem::path& path) {
  return FolderOf(path) / ("." + path.filename().string() + ".tmp");
}

// From the permission bits as well as access(2), so that a read-only file
// counts as read-only even for the superuser.
bool HasWritePermission(const std::filesystem::path& p) {
  struct stat st {};
  if (::stat(p.c_str(), &st) != 0) return false;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::access(p.c_str(), W_OK) == 0;
}

// Writes and flushes the temporary file beside `path`. A file left under the
// temporary name (by a crash, or planted as a link) is removed first and the
// name is created afresh, so the bytes never go through a link into another
// file.
Status WriteTemp(const std::filesystem::path& path, const std::filesystem::path& temp, std::string_view bytes) {
  ::unlink(temp.c_str());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return Status::Fail("cannot create " + temp.string() + ": " + std::strerror(errno));

  // Keep the old file's permissions on the new one.
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);

  bool ok = WriteAll(fd, bytes);
  int err = ok ? 0 : errno;
  if (ok && ::fsync(fd) != 0) {
    ok = false;
    err = errno;
  }
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return Status::Fail("cannot write " + temp.string() + ": " + std::strerror(err));
  }
  return Status::Ok();
}

// Makes a rename or link in the folder durable; a failure here still leaves a
// complete file.
void SyncFolder(const std::filesystem::path& path) {
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
}

}  // namespace

Status WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  // The rename would replace even a file without write permission; such a
  // file is the user's decision to keep it as it is.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !HasWritePermission(path))
    return Status::Fail(path.string() + " is read-only");
  const auto temp = TempPathFor(path);
  if (auto written = WriteTemp(path, temp, bytes); !written) return written;
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return Status::Fail("cannot replace " + path.string() + ": " + std::strerror(err));
  }
  SyncFolder(path);
  return Status::Ok();
}

Status WriteNewFile(const std::filesystem::path& path, std::string_view bytes) {
  const auto temp = TempPathFor(path);
  if (auto written = WriteTemp(path, temp, bytes); !written) return written;
  // link(2) refuses an existing target, so a file that appeared meanwhile is
  // never overwritten.
  const int linked = ::link(temp.c_str(), path.c_str());
  const int err = errno;
  ::unlink(temp.c_str());
  if (linked != 0) {
    if (err == EEXIST) return Status::Fail(path.string() + " already exists");
    return Status::Fail("cannot create " + path.string() + ": " + std::strerror(err));
  }
  SyncFolder(path);
  return Status::Ok();
}

bool CanReplaceFile(const std::filesystem::path& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && !HasWritePermission(path)) return false;
  const auto folder = FolderOf(path);
  return HasWritePermission(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace quarlo
