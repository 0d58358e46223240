#pragma once
// Decoding of 8-bit RTF text (\'hh escapes and raw bytes) from a Windows code page to UTF-8,
// through iconv. Single bytes go through a table built once per code page and shared by all
// readers; double-byte code pages hold a lead byte until its trail byte arrives.

#include <cstdint>
#include <string>

// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF become U+FFFD.
void AppendUtf8(std::string& Out, std::uint32_t CodePoint);

// The Windows code page that an \fcharset value stands for, 0 for "the document's".
int CharsetToCodePage(int Charset);

struct TRtfByteTable;

class TRtfCodePageDecoder {
public:
  TRtfCodePageDecoder();
  ~TRtfCodePageDecoder();
  TRtfCodePageDecoder(const TRtfCodePageDecoder&) = delete;
  TRtfCodePageDecoder& operator=(const TRtfCodePageDecoder&) = delete;

  // Switches to CodePage (an unknown one falls back to 1252); a change drops a held lead byte.
  void Select(int CodePage);
  int CodePage() const { return FCodePage; }
  // Appends the UTF-8 of one byte (or of a lead byte held from before and this byte).
  void Decode(unsigned char Byte, std::string& Out);
  // Drops a lead byte still held (the text around it ended).
  void Reset() { FLead = -1; }

private:
  const TRtfByteTable* FTable = nullptr;
  int FCodePage = 0;
  int FLead = -1;
  void* FPairs = nullptr; // iconv descriptor for double-byte pairs, opened on first need
  int FPairsCodePage = 0;
  void DecodePair(unsigned char Lead, unsigned char Trail, std::string& Out);
};
