#include "engine/flottants_nuls.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr size_t kGrandePage = size_t{2} << 20;

// Blocks from this size on are mapped directly. Under AddressSanitizer every
// block comes from calloc, so that its bounds stay checked.
#if defined(__SANITIZE_ADDRESS__)
constexpr size_t kSeuilProjection = SIZE_MAX;
#else
constexpr size_t kSeuilProjection = 4 * kGrandePage;
#endif

// A zeroed mapping of `octets` bytes rounded up to whole large pages,
// starting on a large-page boundary; its length in *projete.
void* Projette(size_t octets, size_t* projete) {
  const size_t longueur = (octets + kGrandePage - 1) / kGrandePage * kGrandePage;
  const size_t marge = longueur + kGrandePage;
  void* brut = mmap(nullptr, marge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (brut == MAP_FAILED) return nullptr;
  const auto debut = reinterpret_cast<uintptr_t>(brut);
  const uintptr_t aligne = (debut + kGrandePage - 1) / kGrandePage * kGrandePage;
  if (aligne > debut) munmap(brut, aligne - debut);
  if (const size_t apres = debut + marge - (aligne + longueur); apres > 0) {
    munmap(reinterpret_cast<void*>(aligne + longueur), apres);
  }
  void* bloc = reinterpret_cast<void*>(aligne);
#if defined(MADV_HUGEPAGE)
  madvise(bloc, longueur, MADV_HUGEPAGE);  // a hint: small pages serve as well
#endif
  *projete = longueur;
  return bloc;
}

}  // namespace

FlottantsNuls::FlottantsNuls(size_t size) : size_(size) {
  if (size == 0) return;
  size_t octets;
  if (__builtin_mul_overflow(size, sizeof(float), &octets)) throw std::bad_alloc();
  void* bloc =
      octets >= kSeuilProjection ? Projette(octets, &projete_) : std::calloc(size, sizeof(float));
  if (bloc == nullptr) throw std::bad_alloc();
  data_ = static_cast<float*>(bloc);
}

FlottantsNuls::FlottantsNuls(const FlottantsNuls& other) : FlottantsNuls(other.size_) {
  if (size_ > 0) std::memcpy(data_, other.data_, size_ * sizeof(float));
}

FlottantsNuls::FlottantsNuls(FlottantsNuls&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      projete_(std::exchange(other.projete_, 0)) {}

FlottantsNuls& FlottantsNuls::operator=(const FlottantsNuls& other) {
  if (this != &other) *this = FlottantsNuls(other);
  return *this;
}

FlottantsNuls& FlottantsNuls::operator=(FlottantsNuls&& other) noexcept {
  if (this != &other) {
    Libere();
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    projete_ = std::exchange(other.projete_, 0);
  }
  return *this;
}

FlottantsNuls::~FlottantsNuls() {
  Libere();
}

void FlottantsNuls::Libere() noexcept {
  if (projete_ > 0) {
    munmap(data_, projete_);
  } else {
    std::free(data_);
  }
  data_ = nullptr;
  size_ = 0;
  projete_ = 0;
}
