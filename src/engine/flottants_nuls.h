#pragma once

#include <cstddef>

// A block of floats that all start at 0, taken zeroed from the system
// instead of being cleared here: a large block is mapped in 2 MiB pages
// where the system grants them, so that filling it costs few page faults.
// Copies are deep.
class FlottantsNuls {
 public:
  FlottantsNuls() = default;
  // Throws std::bad_alloc when the memory is not available.
  explicit FlottantsNuls(size_t size);
  FlottantsNuls(const FlottantsNuls& other);
  FlottantsNuls(FlottantsNuls&& other) noexcept;
  FlottantsNuls& operator=(const FlottantsNuls& other);
  FlottantsNuls& operator=(FlottantsNuls&& other) noexcept;
  ~FlottantsNuls();

  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  float* data() { return data_; }
  const float* data() const { return data_; }
  float& operator[](size_t i) { return data_[i]; }
  const float& operator[](size_t i) const { return data_[i]; }

 private:
  void Libere() noexcept;

  float* data_ = nullptr;
  size_t size_ = 0;
  size_t projete_ = 0;  // bytes mapped for the block; 0 when it came from calloc
};
