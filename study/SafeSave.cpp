// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/SafeSave.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

// Small enough that a profile takes several writes, so tests can break a save off in between.
constexpr std::size_t kChunkSize = 4096;

bool Allowed(SaveFaults* faults) {
  return faults == nullptr || faults->Allow();
}

std::string Reason(const char* step) {
  return std::string(step) + ": " + (errno != 0 ? std::strerror(errno) : "interrupted");
}

// Whether file already holds exactly bytes.
bool SameContent(const std::filesystem::path& file, std::string_view bytes) {
  std::error_code error;
  if (std::filesystem::file_size(file, error) != bytes.size() || error) return false;
  std::ifstream in(file, std::ios::binary);
  std::string content(bytes.size(), '\0');
  return in.read(content.data(), static_cast<std::streamsize>(content.size())) && content == bytes;
}

std::filesystem::path TemporaryOf(const std::filesystem::path& target) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
  return temporary;
}

}  // namespace

bool SaveFileSafely(const std::filesystem::path& target, std::string_view bytes, SaveFaults* faults,
                    std::string& error) {
  // Each save costs a flush to disk; a file that would not change is left alone.
  if (SameContent(target, bytes)) return true;
  const std::filesystem::path temporary = TemporaryOf(target);
  errno = 0;
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = Reason("cannot create the temporary file");
    return false;
  }
  const auto abandon = [&](const char* step) {
    error = Reason(step);
    ::close(fd);
    ::unlink(temporary.c_str());
    return false;
  };
  std::size_t done = 0;
  while (done < bytes.size()) {
    errno = 0;
    if (!Allowed(faults)) return abandon("cannot write");
    const std::size_t size = std::min(kChunkSize, bytes.size() - done);
    const ssize_t written = ::write(fd, bytes.data() + done, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return abandon("cannot write");
    done += static_cast<std::size_t>(written);
  }
  // The data must be on disk before the rename makes it the file, or a power cut could leave
  // a renamed but empty file.
  errno = 0;
  if (!Allowed(faults) || ::fdatasync(fd) != 0) return abandon("cannot flush to disk");
  if (::close(fd) != 0) {
    error = Reason("cannot close");
    ::unlink(temporary.c_str());
    return false;
  }
  errno = 0;
  if (!Allowed(faults) || std::rename(temporary.c_str(), target.c_str()) != 0) {
    error = Reason("cannot replace the file");
    ::unlink(temporary.c_str());
    return false;
  }
  // The folder itself is not flushed: after a power cut the rename may be undone, which
  // leaves the old complete file, and flushing it would double the time of a save.
  return true;
}

void RemoveStaleTemporary(const std::filesystem::path& target) {
  std::error_code ignored;
  std::filesystem::remove(TemporaryOf(target), ignored);
}
