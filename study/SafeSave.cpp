#include "study/SafeSave.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Small enough that a profile takes several writes, so tests can break a save off in between.
constexpr std::size_t kChunkSize = 4096;

bool Allowed(SaveFaults* faults) { return faults == nullptr || faults->Allow(); }

std::string Reason(const char* step) {
  return std::string(step) + ": " + (errno != 0 ? std::strerror(errno) : "interrupted");
}

// Flushes the directory entry of a rename to disk. Best effort: some file systems refuse it.
void SyncDirectory(const std::filesystem::path& directory) {
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool SaveFileSafely(const std::filesystem::path& target, std::string_view bytes,
                    SaveFaults* faults, std::string& error) {
  std::filesystem::path temporary = target;
  temporary += ".tmp";
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
  errno = 0;
  if (!Allowed(faults) || ::fsync(fd) != 0) return abandon("cannot flush to disk");
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
  SyncDirectory(target.parent_path());
  return true;
}
