#include "text/UnitReader.h"

#include <cstring>
#include <streambuf>

UnitReader::UnitReader(std::istream& in, std::size_t chunkBytes)
    : in_(in), buffer_(chunkBytes < 2 ? 2 : chunkBytes) {}

bool UnitReader::ReadSlow(std::uint16_t& unit) {
  if (exhausted_) return false;
  // Keep a byte left over from the last chunk so a unit split between chunks reads whole.
  const std::size_t carried = filled_ - next_;
  if (carried > 0) std::memmove(buffer_.data(), buffer_.data() + next_, carried);
  consumedBefore_ += static_cast<std::int64_t>(next_);
  next_ = 0;
  filled_ = carried;

  std::streambuf* source = in_.rdbuf();
  while (filled_ < 2 && source != nullptr) {
    const std::streamsize got = source->sgetn(buffer_.data() + filled_,
                                              static_cast<std::streamsize>(buffer_.size() - filled_));
    if (got <= 0) break;
    filled_ += static_cast<std::size_t>(got);
  }
  if (filled_ < 2) {
    exhausted_ = true;
    return false;
  }
  return Read(unit);
}
