#pragma once
// The data file's container: one zlib stream (RFC 1950). Compression is level 1 with the header
// 0x78 0x01; decompression inflates the whole stream into memory sized once.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

// A block of anonymous memory reserved once: pages cost nothing until written, so a large
// reservation needs no guess of the final size and is never copied to grow.
class TQVMemory {
public:
  TQVMemory() = default;
  ~TQVMemory();
  TQVMemory(const TQVMemory&) = delete;
  TQVMemory& operator=(const TQVMemory&) = delete;
  TQVMemory(TQVMemory&& Other) noexcept;
  TQVMemory& operator=(TQVMemory&& Other) noexcept;

  // Reserves Capacity bytes; false when the system refuses.
  bool Reserve(std::size_t Capacity);
  char* Data() const { return FData; }
  std::size_t Size() const { return FSize; }
  std::size_t Capacity() const { return FCapacity; }
  void SetSize(std::size_t Size) { FSize = Size; }
  // Gives the reservation beyond Size back to the system.
  void Trim();
  // Gives back the whole pages before Offset: their content is not needed any more.
  void ReleaseBefore(std::size_t Offset);
  void Free();

private:
  char* FData = nullptr;
  std::size_t FSize = 0;
  std::size_t FCapacity = 0;
  std::size_t FReleased = 0;
};

enum class TQVInflateResult { Ok, NotZlib, Damaged, TooLarge, NoMemory };

// The most a data file may unpack to. A real document of several GiB of XML would not fit in
// memory twice anyway; this refuses a hostile stream before it exhausts memory.
inline constexpr std::size_t MaxInflatedSize = std::size_t(4) << 30;

// Inflates one zlib stream into Out (reserved here). Bytes after the stream are ignored.
TQVInflateResult InflateZlib(const unsigned char* In, std::size_t InSize, std::size_t Bound,
                             TQVMemory& Out);

// Whether the bytes start like a zlib stream (deflate method, valid header check).
bool LooksLikeZlib(const unsigned char* In, std::size_t InSize);

// Compresses at level 1, emitting the compressed bytes through the sink.
class TQVDeflater {
public:
  using TSink = std::function<void(const unsigned char* Data, std::size_t Size)>;
  explicit TQVDeflater(TSink Sink);
  ~TQVDeflater();
  TQVDeflater(const TQVDeflater&) = delete;
  TQVDeflater& operator=(const TQVDeflater&) = delete;
  void Write(const void* Data, std::size_t Size);
  // Completes the stream (remaining data and checksum).
  void Finish();

private:
  struct TState;
  std::unique_ptr<TState> FState;
};
