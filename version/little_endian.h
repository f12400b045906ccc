#pragma once
// Bounds-checked little-endian reads over a byte buffer. A read outside the
// buffer gives 0 and marks the reader failed, so a parser can read a whole
// header and check once.
#include <cstddef>
#include <cstdint>

class LittleEndianReader {
 public:
  LittleEndianReader(const void* data, std::size_t size)
      : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}

  std::size_t size() const { return size_; }
  bool failed() const { return failed_; }
  bool contains(std::uint64_t offset, std::uint64_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }

  std::uint8_t u8(std::uint64_t offset) { return static_cast<std::uint8_t>(value(offset, 1)); }
  std::uint16_t u16(std::uint64_t offset) { return static_cast<std::uint16_t>(value(offset, 2)); }
  std::uint32_t u32(std::uint64_t offset) { return static_cast<std::uint32_t>(value(offset, 4)); }
  std::uint64_t u64(std::uint64_t offset) { return value(offset, 8); }

 private:
  std::uint64_t value(std::uint64_t offset, unsigned bytes) {
    if (!contains(offset, bytes)) {
      failed_ = true;
      return 0;
    }
    std::uint64_t v = 0;
    for (unsigned i = bytes; i-- > 0;) v = (v << 8) | data_[offset + i];
    return v;
  }

  const std::uint8_t* data_;
  std::size_t size_;
  bool failed_ = false;
};
