#include "rtf/uRtfCodePage.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <map>
#include <memory>
#include <mutex>

struct TRtfByteTable {
  // UTF-8 of each byte; Length 0 with Lead set marks a double-byte lead byte.
  struct TEntry {
    char Bytes[4];
    std::uint8_t Length = 0;
    bool Lead = false;
  };
  std::array<TEntry, 256> Entries{};
  int CodePage = 1252;
  bool DoubleByte = false;
};

namespace {

constexpr int FallbackCodePage = 1252;

std::string IconvName(int CodePage) {
  switch (CodePage) {
  case 10000:
    return "MACINTOSH";
  case 20127:
    return "ASCII";
  case 28591:
    return "ISO-8859-1";
  case 1361:
    return "JOHAB";
  default:
    return "CP" + std::to_string(CodePage);
  }
}

iconv_t OpenToUtf8(int CodePage) {
  return iconv_open("UTF-8", IconvName(CodePage).c_str());
}

std::unique_ptr<TRtfByteTable> BuildTable(int CodePage) {
  iconv_t cd = OpenToUtf8(CodePage);
  if (cd == reinterpret_cast<iconv_t>(-1)) return nullptr;
  auto table = std::make_unique<TRtfByteTable>();
  table->CodePage = CodePage;
  for (int b = 0; b < 256; ++b) {
    TRtfByteTable::TEntry& entry = table->Entries[b];
    char in = static_cast<char>(b);
    char* inPtr = &in;
    std::size_t inLeft = 1;
    char* outPtr = entry.Bytes;
    std::size_t outLeft = sizeof entry.Bytes;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (done == static_cast<std::size_t>(-1)) {
      // EINVAL: an incomplete sequence, so a lead byte; EILSEQ: unmapped, shown as nothing.
      entry.Lead = errno == EINVAL;
      table->DoubleByte = table->DoubleByte || entry.Lead;
      entry.Length = 0;
    } else {
      entry.Length = static_cast<std::uint8_t>(sizeof entry.Bytes - outLeft);
    }
  }
  iconv_close(cd);
  return table;
}

// Tables are built once and never change, so readers on any thread may share them.
const TRtfByteTable* SharedTable(int CodePage) {
  static std::mutex mutex;
  static std::map<int, std::unique_ptr<TRtfByteTable>> tables;
  std::lock_guard<std::mutex> lock(mutex);
  auto it = tables.find(CodePage);
  if (it == tables.end()) it = tables.emplace(CodePage, BuildTable(CodePage)).first;
  return it->second.get();
}

} // namespace

void AppendUtf8(std::string& Out, std::uint32_t c) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    Out += static_cast<char>(c);
  } else if (c < 0x800) {
    Out += static_cast<char>(0xC0 | (c >> 6));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    Out += static_cast<char>(0xE0 | (c >> 12));
    Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    Out += static_cast<char>(0xF0 | (c >> 18));
    Out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    Out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

int CharsetToCodePage(int Charset) {
  switch (Charset) {
  case 77:
    return 10000;
  case 128:
    return 932;
  case 129:
    return 949;
  case 130:
    return 1361;
  case 134:
    return 936;
  case 136:
    return 950;
  case 161:
    return 1253;
  case 162:
    return 1254;
  case 163:
    return 1258;
  case 177:
    return 1255;
  case 178:
    return 1256;
  case 186:
    return 1257;
  case 204:
    return 1251;
  case 222:
    return 874;
  case 238:
    return 1250;
  case 254:
    return 437;
  case 255:
    return 850;
  case 0:
    return 1252; // ANSI_CHARSET is Western whatever the document's code page
  default:
    return 0; // default, symbol and unknown: the document's code page
  }
}

TRtfCodePageDecoder::TRtfCodePageDecoder() {
  Select(FallbackCodePage);
}

TRtfCodePageDecoder::~TRtfCodePageDecoder() {
  if (FPairs) iconv_close(static_cast<iconv_t>(FPairs));
}

void TRtfCodePageDecoder::Select(int CodePage) {
  if (FTable && CodePage == FCodePage) return;
  FLead = -1;
  const TRtfByteTable* table = CodePage > 0 && CodePage < 100000 ? SharedTable(CodePage) : nullptr;
  if (!table) table = SharedTable(FallbackCodePage);
  FTable = table;
  FCodePage = CodePage;
}

void TRtfCodePageDecoder::Decode(unsigned char Byte, std::string& Out) {
  if (!FTable) return; // iconv cannot even do CP1252: nothing sensible to show
  if (FLead >= 0) {
    const auto lead = static_cast<unsigned char>(FLead);
    FLead = -1;
    DecodePair(lead, Byte, Out);
    return;
  }
  const TRtfByteTable::TEntry& entry = FTable->Entries[Byte];
  if (entry.Lead)
    FLead = Byte;
  else
    Out.append(entry.Bytes, entry.Length);
}

void TRtfCodePageDecoder::DecodePair(unsigned char Lead, unsigned char Trail, std::string& Out) {
  if (!FPairs || FPairsCodePage != FTable->CodePage) {
    if (FPairs) iconv_close(static_cast<iconv_t>(FPairs));
    iconv_t cd = OpenToUtf8(FTable->CodePage);
    FPairs = cd == reinterpret_cast<iconv_t>(-1) ? nullptr : cd;
    FPairsCodePage = FTable->CodePage;
  }
  if (!FPairs) return;
  char in[2] = {static_cast<char>(Lead), static_cast<char>(Trail)};
  char out[8];
  char* inPtr = in;
  std::size_t inLeft = 2;
  char* outPtr = out;
  std::size_t outLeft = sizeof out;
  auto cd = static_cast<iconv_t>(FPairs);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
    AppendUtf8(Out, 0xFFFD);
    return;
  }
  Out.append(out, sizeof out - outLeft);
}
