#include "model/uQVZlib.h"

#include "core/uQVError.h"

#include <isa-l/igzip_lib.h>
#include <libdeflate.h>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

std::size_t PageSize() {
  static const std::size_t size = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  return size;
}

} // namespace

TQVMemory::~TQVMemory() {
  Free();
}

TQVMemory::TQVMemory(TQVMemory&& Other) noexcept
    : FData(Other.FData), FSize(Other.FSize), FCapacity(Other.FCapacity),
      FReleased(Other.FReleased) {
  Other.FData = nullptr;
  Other.FSize = Other.FCapacity = Other.FReleased = 0;
}

TQVMemory& TQVMemory::operator=(TQVMemory&& Other) noexcept {
  if (this != &Other) {
    Free();
    FData = Other.FData;
    FSize = Other.FSize;
    FCapacity = Other.FCapacity;
    FReleased = Other.FReleased;
    Other.FData = nullptr;
    Other.FSize = Other.FCapacity = Other.FReleased = 0;
  }
  return *this;
}

bool TQVMemory::Reserve(std::size_t Capacity) {
  Free();
  if (Capacity == 0) Capacity = 1;
  void* data = mmap(nullptr, Capacity, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (data == MAP_FAILED) return false;
  // Fresh memory is slow to touch page by page; large pages cut that cost for big documents.
  madvise(data, Capacity, MADV_HUGEPAGE);
  FData = static_cast<char*>(data);
  FCapacity = Capacity;
  FSize = 0;
  FReleased = 0;
  return true;
}

void TQVMemory::Trim() {
  if (!FData) return;
  const std::size_t page = PageSize();
  const std::size_t keep = (FSize + page - 1) / page * page;
  const std::size_t reserved = (FCapacity + page - 1) / page * page;
  if (keep == 0 || keep >= reserved) return;
  munmap(FData + keep, reserved - keep);
  FCapacity = keep;
}

void TQVMemory::ReleaseBefore(std::size_t Offset) {
  if (!FData) return;
  const std::size_t page = PageSize();
  const std::size_t end = Offset / page * page;
  // In large steps: one system call per page would cost more than it saves.
  if (end <= FReleased || end - FReleased < (std::size_t(8) << 20)) return;
  madvise(FData + FReleased, end - FReleased, MADV_DONTNEED);
  FReleased = end;
}

void TQVMemory::Free() {
  if (FData) munmap(FData, FCapacity);
  FData = nullptr;
  FSize = FCapacity = FReleased = 0;
}

bool LooksLikeZlib(const unsigned char* In, std::size_t InSize) {
  if (InSize < 2) return false;
  const unsigned header = (static_cast<unsigned>(In[0]) << 8) | In[1];
  return (In[0] & 0x0F) == 8 && (In[0] >> 4) <= 7 && header % 31 == 0 && !(In[1] & 0x20);
}

TQVInflateResult InflateZlib(const unsigned char* In, std::size_t InSize, std::size_t Bound,
                             TQVMemory& Out) {
  if (!LooksLikeZlib(In, InSize)) return TQVInflateResult::NotZlib;
  // One byte more than the bound tells a stream that fills it exactly from one beyond it.
  if (!Out.Reserve(Bound + 1)) return TQVInflateResult::NoMemory;
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  if (!inflater) return TQVInflateResult::NoMemory;
  std::size_t usedIn = 0, produced = 0;
  const libdeflate_result result = libdeflate_zlib_decompress_ex(inflater, In, InSize, Out.Data(),
                                                                 Bound + 1, &usedIn, &produced);
  libdeflate_free_decompressor(inflater);
  if (result == LIBDEFLATE_INSUFFICIENT_SPACE ||
      (result == LIBDEFLATE_SUCCESS && produced > Bound)) {
    Out.Free();
    return TQVInflateResult::TooLarge;
  }
  if (result != LIBDEFLATE_SUCCESS) {
    Out.Free();
    return TQVInflateResult::Damaged;
  }
  Out.SetSize(produced);
  Out.Trim();
  return TQVInflateResult::Ok;
}

// ---------------------------------------------------------------------------------------------

struct TQVDeflater::TState {
  isal_zstream Stream{};
  std::vector<unsigned char> Level{};
  std::vector<unsigned char> Output{};
  TSink Sink;
  bool Finished = false;
};

TQVDeflater::TQVDeflater(TSink Sink) : FState(std::make_unique<TState>()) {
  TState& s = *FState;
  s.Sink = std::move(Sink);
  s.Level.resize(ISAL_DEF_LVL1_DEFAULT);
  s.Output.resize(1 << 20);
  isal_deflate_init(&s.Stream);
  s.Stream.level = 1;
  s.Stream.level_buf = s.Level.data();
  s.Stream.level_buf_size = static_cast<std::uint32_t>(s.Level.size());
  // We write the two header bytes ourselves, so every file starts with 0x78 0x01 (32 KiB
  // window, fastest level) whatever the library would choose; it adds the Adler-32 trailer.
  s.Stream.gzip_flag = IGZIP_ZLIB_NO_HDR;
  s.Stream.hist_bits = 15;
  s.Stream.flush = NO_FLUSH;
  static const unsigned char header[2] = {0x78, 0x01};
  s.Sink(header, 2);
}

TQVDeflater::~TQVDeflater() = default;

void TQVDeflater::Write(const void* Data, std::size_t Size) {
  TState& s = *FState;
  const auto* in = static_cast<const unsigned char*>(Data);
  while (Size > 0) {
    const std::size_t piece = Size > (1u << 30) ? (1u << 30) : Size;
    s.Stream.next_in = const_cast<unsigned char*>(in);
    s.Stream.avail_in = static_cast<std::uint32_t>(piece);
    s.Stream.end_of_stream = 0;
    while (s.Stream.avail_in > 0) {
      s.Stream.next_out = s.Output.data();
      s.Stream.avail_out = static_cast<std::uint32_t>(s.Output.size());
      if (isal_deflate(&s.Stream) != COMP_OK) throw EQVError("Compression failed.");
      const std::size_t produced = s.Output.size() - s.Stream.avail_out;
      if (produced) s.Sink(s.Output.data(), produced);
    }
    in += piece;
    Size -= piece;
  }
}

void TQVDeflater::Finish() {
  TState& s = *FState;
  if (s.Finished) return;
  s.Stream.next_in = nullptr;
  s.Stream.avail_in = 0;
  s.Stream.end_of_stream = 1;
  do {
    s.Stream.next_out = s.Output.data();
    s.Stream.avail_out = static_cast<std::uint32_t>(s.Output.size());
    if (isal_deflate(&s.Stream) != COMP_OK) throw EQVError("Compression failed.");
    const std::size_t produced = s.Output.size() - s.Stream.avail_out;
    if (produced) s.Sink(s.Output.data(), produced);
  } while (s.Stream.internal_state.state != ZSTATE_END);
  s.Finished = true;
}
