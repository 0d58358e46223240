#include "rtf/uRtfReader.h"

#include "rtf/uRtfCodePage.h"
#include "rtf/uRtfControlWords.h"
#include "rtf/uRtfFieldInstruction.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Caps on what one document may declare; beyond them further entries are ignored.
constexpr std::size_t MaxFonts = 4096;
constexpr std::size_t MaxColors = 65536;
constexpr std::size_t MaxLists = 1024;
constexpr std::size_t MaxOverrides = 4096;
constexpr std::size_t MaxCells = 256;
constexpr std::size_t MaxFields = 32;
constexpr std::size_t MaxFieldInstruction = 8192;
constexpr std::size_t MaxFontName = 256;
constexpr std::size_t MaxLevelText = 64;
constexpr std::size_t MaxShapeText = 64;
constexpr int MaxUnicodeSkip = 255;

enum TDest : std::uint8_t {
  dNormal,
  dSkip,
  dFontTable,
  dColorTable,
  dListTable,
  dList,
  dListLevel,
  dLevelText,
  dOverrideTable,
  dOverride,
  dPict,
  dField,
  dFieldInst,
  dBackground,
  dShapeName,
  dShapeValue,
  dPn,
};

struct TState {
  TRtfCharFormat Char;
  TRtfParaFormat Para;
  TDest Dest = dNormal;
  std::uint8_t Uc = 1;
  int CodePage = 0; // of the current font; 0: the document's
};

enum TBorderTarget : std::uint8_t { btNone, btPara, btParaBox, btCell, btRow };

struct TField {
  std::size_t Depth; // stack size of the \field group
  std::string Instruction;
  bool Result = false;
  bool Link = false;
};

// Bytes that a text run may copy unchanged.
constexpr std::array<bool, 256> PlainBytes = [] {
  std::array<bool, 256> table{};
  for (int c = 0x20; c < 0x7F; ++c)
    table[c] = true;
  table['{'] = table['}'] = table['\\'] = false;
  return table;
}();

// Whether any of eight bytes ends a plain text run: a brace, a backslash, a control
// character, DEL or a byte with the high bit set. Lets text runs be skipped eight bytes at a time.
inline bool HasSpecialByte(std::uint64_t Word) {
  constexpr std::uint64_t ones = 0x0101010101010101ull, highs = 0x8080808080808080ull;
  const auto equal = [&](std::uint64_t c) {
    const std::uint64_t x = Word ^ (ones * c);
    return (x - ones) & ~x & highs;
  };
  const std::uint64_t below = (Word - ones * 0x20) & ~Word & highs;
  return (equal('{') | equal('}') | equal('\\') | equal(0x7F) | below | (Word & highs)) != 0;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsValidUtf8(std::string_view Text) {
  std::size_t i = 0;
  while (i < Text.size()) {
    const auto c = static_cast<unsigned char>(Text[i]);
    std::size_t trail = 0;
    if (c < 0x80)
      trail = 0;
    else if (c >= 0xC2 && c <= 0xDF)
      trail = 1;
    else if (c >= 0xE0 && c <= 0xEF)
      trail = 2;
    else if (c >= 0xF0 && c <= 0xF4)
      trail = 3;
    else
      return false;
    if (Text.size() - i <= trail) return false;
    for (std::size_t k = 1; k <= trail; ++k)
      if ((static_cast<unsigned char>(Text[i + k]) & 0xC0) != 0x80) return false;
    i += trail + 1;
  }
  return true;
}

class TParser {
public:
  TParser(std::string_view Rtf, TRtfSink& Sink)
      : FPos(Rtf.data()), FEnd(Rtf.data() + Rtf.size()), FSink(Sink) {}

  void Run();
  void RunPlainText(std::string_view Text);

private:
  const char* FPos;
  const char* FEnd;
  TRtfSink& FSink;
  TRtfTables FTables;
  std::vector<TState> FStack;
  std::size_t FOverflow = 0;
  bool FDone = false;

  std::string FText;
  std::uint32_t FHighSurrogate = 0;
  int FSkipChars = 0;
  bool FStar = false;
  bool FParaHasContent = false;
  bool FPageBreakPending = false;

  TRtfCodePageDecoder FDecoder;
  int FAnsiCodePage = 1252;
  bool FHaveAnsiCodePage = false;

  // Font numbers below 1024 are found directly; the vector grows with the numbers used.
  std::vector<int> FFontByNumber;
  int FDefaultFontNumber = 0;
  int FCurrentFont = -1;
  bool FFontNameDone = false;

  int FRed = 0, FGreen = 0, FBlue = 0;
  bool FColorSet = false;

  int FCurrentList = -1;
  int FLevelCount = 0;
  int FCurrentLevel = -1;
  bool FLevelSymbolFont = false;
  std::vector<std::uint32_t> FLevelText;
  TRtfListOverride FOverride;

  TRtfPicture FPicture;
  std::size_t FPictDepth = 0;
  bool FInPict = false;
  int FNibble = -1;

  std::vector<TField> FFields;
  bool FLinkOpen = false;

  std::string FShapeName, FShapeValue;
  std::size_t FPnTarget = 0;

  TRtfRowFormat FRow;
  TRtfCell FCell;
  bool FInRow = false;
  bool FInTable = false;
  TBorderTarget FBorderTarget = btNone;
  TRtfSide FBorderSide = rsTop;

  TState& Cur() { return FStack.back(); }
  const TState& Cur() const { return FStack.back(); }

  void OpenGroup();
  void CloseGroup();
  void GroupEnded(TDest Dest);
  void Control();
  void HandleWord(TRtfWord Word, bool HasParam, int Param);
  void HandleSymbol(char Symbol);
  void TextBytes();
  void DestByte(unsigned char Byte, bool Escaped);
  void CodePoint(std::uint32_t Code);
  void Unicode(int Param);
  void Binary(int Length);
  void SkipGroup();
  void SetDest(TDest Dest);

  void Flush();
  void DropHighSurrogate();
  void Context();
  void EndTable();
  void EndParagraph();
  void EndCell();
  void EndRow();
  void Tab();
  void LineBreak();
  void EmitPicture();
  void FieldResult();
  void EndField();
  void Finish();

  void FinishFontTable();
  void FinishLevelText();
  int FontIndex(int Number) const;
  std::int32_t Color(int Index) const;
  int CodePageOf(int FontIndex) const;
  int EffectiveCodePage() const { return Cur().CodePage ? Cur().CodePage : FAnsiCodePage; }
  void Decode(unsigned char Byte, int CodePage, std::string& Out) {
    FDecoder.Select(CodePage);
    FDecoder.Decode(Byte, Out);
  }
  TRtfBorder* Border(TRtfSide Side);
  void ForBorders(void (*Apply)(TRtfBorder&, int), int Value);
  void ParaBorder(TRtfSide Side, TBorderTarget Target) {
    FBorderTarget = Target;
    FBorderSide = Side;
  }
};

void TParser::Run() {
  // Room for what a typical body declares, so that small bodies allocate once per table.
  FText.reserve(256);
  FTables.Fonts.reserve(8);
  FTables.Colors.reserve(16);
  FFontByNumber.reserve(16);
  FSink.Begin(FTables);
  while (FPos < FEnd && !FDone) {
    const char c = *FPos;
    if (c == '{') {
      ++FPos;
      OpenGroup();
    } else if (c == '}') {
      ++FPos;
      CloseGroup();
    } else if (c == '\\') {
      ++FPos;
      Control();
    } else if (c == '\r' || c == '\n') {
      ++FPos;
    } else if (FStack.empty()) {
      ++FPos; // text outside the document group
    } else {
      TextBytes();
    }
  }
  Finish();
}

void TParser::RunPlainText(std::string_view Text) {
  FSink.Begin(FTables);
  const bool utf8 = IsValidUtf8(Text);
  const TRtfCharFormat format;
  const TRtfParaFormat para;
  std::string line;
  bool pending = false;
  for (std::size_t i = 0; i <= Text.size(); ++i) {
    const bool atEnd = i == Text.size();
    const char c = atEnd ? '\n' : Text[i];
    if (c == '\r' || c == '\n' || c == '\t') {
      if (!line.empty()) FSink.Text(line, format);
      pending = pending || !line.empty();
      line.clear();
      if (c == '\t') {
        FSink.Tab(format);
        pending = true;
        continue;
      }
      if (c == '\r' && i + 1 < Text.size() && Text[i + 1] == '\n') ++i;
      if (!atEnd || pending) FSink.ParagraphEnd(para);
      pending = false;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20) continue;
    if (utf8 || byte < 0x80)
      line += c;
    else
      Decode(byte, 1252, line);
  }
  FSink.End();
}

void TParser::OpenGroup() {
  FSkipChars = 0;
  if (FStack.size() >= RtfMaxGroupDepth) {
    ++FOverflow;
    return;
  }
  if (FStack.empty()) {
    FStack.reserve(16);
    FStack.emplace_back();
  } else {
    FStack.push_back(FStack.back());
  }
}

void TParser::CloseGroup() {
  Flush();
  FSkipChars = 0;
  if (FOverflow) {
    --FOverflow;
    return;
  }
  if (FStack.size() <= 1) {
    // The document group ends; Finish ends its last paragraph in its own format.
    FDone = true;
    return;
  }
  const TDest dest = Cur().Dest;
  FStack.pop_back();
  GroupEnded(dest);
}

void TParser::GroupEnded(TDest Dest) {
  const TDest parent = FStack.empty() ? dNormal : Cur().Dest;
  if (Dest != parent) {
    switch (Dest) {
    case dFontTable:
      FinishFontTable();
      break;
    case dColorTable:
      if (FColorSet && FTables.Colors.size() < MaxColors)
        FTables.Colors.push_back((FRed << 16) | (FGreen << 8) | FBlue);
      FColorSet = false;
      break;
    case dLevelText:
      FinishLevelText();
      break;
    case dOverride:
      if (FTables.Overrides.size() < MaxOverrides) FTables.Overrides.push_back(FOverride);
      FOverride = {};
      break;
    case dShapeValue:
      if (FShapeName == "fillColor") {
        int bgr = 0;
        const auto [ptr, ec] =
            std::from_chars(FShapeValue.data(), FShapeValue.data() + FShapeValue.size(), bgr);
        if (ec == std::errc() && bgr >= 0)
          FTables.Background = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
      }
      break;
    default:
      break;
    }
  }
  if (FInPict && FStack.size() < FPictDepth) {
    FInPict = false;
    if (!FStack.empty() && parent == dNormal) EmitPicture();
    FPicture = {};
  }
  while (!FFields.empty() && FStack.size() < FFields.back().Depth)
    EndField();
}

void TParser::Control() {
  if (FPos >= FEnd) return;
  const char c = *FPos;
  if (!IsLetter(c)) {
    ++FPos;
    if (c == '\'') {
      int value = -1;
      if (FPos < FEnd && HexValue(*FPos) >= 0) {
        value = HexValue(*FPos++);
        if (FPos < FEnd && HexValue(*FPos) >= 0) value = value * 16 + HexValue(*FPos++);
      }
      if (FSkipChars > 0) {
        --FSkipChars;
        return;
      }
      if (value >= 0) DestByte(static_cast<unsigned char>(value), true);
      return;
    }
    if (FSkipChars > 0 && c != '\r' && c != '\n') {
      --FSkipChars;
      return;
    }
    HandleSymbol(c);
    return;
  }
  const char* start = FPos;
  while (FPos < FEnd && IsLetter(*FPos))
    ++FPos;
  const std::size_t length = static_cast<std::size_t>(FPos - start);
  bool hasParam = false;
  bool negative = false;
  std::int64_t value = 0;
  if (FPos + 1 < FEnd && *FPos == '-' && IsDigit(FPos[1])) {
    negative = true;
    ++FPos;
  }
  while (FPos < FEnd && IsDigit(*FPos)) {
    hasParam = true;
    if (value < 0x7FFFFFFF) value = value * 10 + (*FPos - '0');
    ++FPos;
  }
  value = std::min<std::int64_t>(value, 0x7FFFFFFF);
  if (FPos < FEnd && *FPos == ' ') ++FPos;
  const int param = static_cast<int>(negative ? -value : value);
  const TRtfWord word = length <= 32 ? LookupControlWord({start, length}) : kwUnknown;
  if (FSkipChars > 0) {
    --FSkipChars;
    if (word == kwBin && hasParam) Binary(param);
    return;
  }
  HandleWord(word, hasParam, param);
}

void TParser::HandleSymbol(char Symbol) {
  switch (Symbol) {
  case '\\':
  case '{':
  case '}':
    DestByte(static_cast<unsigned char>(Symbol), false);
    break;
  case '~':
    CodePoint(0x00A0);
    break;
  case '_':
    CodePoint(0x2011);
    break;
  case '*':
    FStar = true;
    break;
  case '\r':
  case '\n':
    if (!FStack.empty() && Cur().Dest == dNormal) EndParagraph();
    break;
  case '\t':
    Tab();
    break;
  default:
    break; // \- (optional hyphen), \: and \| show nothing
  }
}

void TParser::TextBytes() {
  TState& state = Cur();
  if (state.Dest == dNormal && FSkipChars == 0 && !FHighSurrogate) {
    const char* start = FPos;
    while (FEnd - FPos >= 8) {
      std::uint64_t word;
      std::memcpy(&word, FPos, sizeof word);
      if (HasSpecialByte(word)) break;
      FPos += 8;
    }
    while (FPos < FEnd && PlainBytes[static_cast<unsigned char>(*FPos)])
      ++FPos;
    if (FPos > start) {
      if (!state.Char.Hidden) {
        FText.append(start, static_cast<std::size_t>(FPos - start));
        FParaHasContent = true;
      }
      return;
    }
  } else if (state.Dest == dPict && FSkipChars == 0) {
    while (FPos < FEnd && *FPos != '\\' && *FPos != '{' && *FPos != '}') {
      const int v = HexValue(*FPos++);
      if (v < 0) continue;
      if (FNibble < 0) {
        FNibble = v;
      } else {
        FPicture.Data += static_cast<char>(FNibble * 16 + v);
        FNibble = -1;
      }
    }
    return;
  }
  const auto byte = static_cast<unsigned char>(*FPos++);
  if (FSkipChars > 0) {
    --FSkipChars;
    return;
  }
  DestByte(byte, false);
}

void TParser::DestByte(unsigned char Byte, bool Escaped) {
  TState& state = Cur();
  switch (state.Dest) {
  case dNormal:
    if (state.Char.Hidden) return;
    if (Byte < 0x20) {
      if (Byte == '\t') Tab();
      return;
    }
    DropHighSurrogate();
    if (Byte < 0x80 && !Escaped)
      FText += static_cast<char>(Byte);
    else
      Decode(Byte, EffectiveCodePage(), FText);
    FParaHasContent = true;
    return;
  case dFontTable:
    if (FCurrentFont < 0 || FFontNameDone) return;
    if (Byte == ';' && !Escaped) {
      FFontNameDone = true;
      return;
    }
    if (FTables.Fonts[FCurrentFont].Name.size() >= MaxFontName || (Byte < 0x20 && !Escaped)) return;
    if (Byte < 0x80 && !Escaped)
      FTables.Fonts[FCurrentFont].Name += static_cast<char>(Byte);
    else
      Decode(Byte, CodePageOf(FCurrentFont) ? CodePageOf(FCurrentFont) : FAnsiCodePage,
             FTables.Fonts[FCurrentFont].Name);
    return;
  case dColorTable:
    if (Byte == ';') {
      if (FTables.Colors.size() < MaxColors)
        FTables.Colors.push_back(FColorSet ? (FRed << 16) | (FGreen << 8) | FBlue : -1);
      FRed = FGreen = FBlue = 0;
      FColorSet = false;
    }
    return;
  case dFieldInst:
    if (FFields.empty() || FFields.back().Instruction.size() >= MaxFieldInstruction) return;
    if (Byte < 0x80)
      FFields.back().Instruction += static_cast<char>(Byte);
    else
      Decode(Byte, EffectiveCodePage(), FFields.back().Instruction);
    return;
  case dLevelText:
    if (FLevelText.size() < MaxLevelText) FLevelText.push_back(Byte);
    return;
  case dShapeName:
    if (FShapeName.size() < MaxShapeText) FShapeName += static_cast<char>(Byte);
    return;
  case dShapeValue:
    if (FShapeValue.size() < MaxShapeText) FShapeValue += static_cast<char>(Byte);
    return;
  case dPict: {
    const int v = HexValue(static_cast<char>(Byte));
    if (v < 0 || Escaped) return;
    if (FNibble < 0) {
      FNibble = v;
    } else {
      FPicture.Data += static_cast<char>(FNibble * 16 + v);
      FNibble = -1;
    }
    return;
  }
  default:
    return;
  }
}

void TParser::CodePoint(std::uint32_t Code) {
  if (FStack.empty()) return;
  TState& state = Cur();
  switch (state.Dest) {
  case dNormal:
    if (state.Char.Hidden) return;
    if (Code < 0x20) {
      if (Code == '\t') Tab();
      return;
    }
    DropHighSurrogate();
    AppendUtf8(FText, Code);
    FParaHasContent = true;
    return;
  case dFontTable:
    if (FCurrentFont >= 0 && !FFontNameDone &&
        FTables.Fonts[FCurrentFont].Name.size() < MaxFontName)
      AppendUtf8(FTables.Fonts[FCurrentFont].Name, Code);
    return;
  case dFieldInst:
    if (!FFields.empty() && FFields.back().Instruction.size() < MaxFieldInstruction)
      AppendUtf8(FFields.back().Instruction, Code);
    return;
  case dLevelText:
    if (FLevelText.size() < MaxLevelText) FLevelText.push_back(Code);
    return;
  default:
    return;
  }
}

void TParser::Unicode(int Param) {
  FSkipChars = Cur().Uc;
  if (Param < -32768 || Param > 65535) return; // not a UTF-16 unit
  const auto code = static_cast<std::uint32_t>(Param < 0 ? Param + 65536 : Param);
  if (code >= 0xD800 && code <= 0xDBFF) {
    DropHighSurrogate();
    FHighSurrogate = code;
    return;
  }
  if (code >= 0xDC00 && code <= 0xDFFF) {
    if (FHighSurrogate) {
      const std::uint32_t combined = 0x10000 + ((FHighSurrogate - 0xD800) << 10) + (code - 0xDC00);
      FHighSurrogate = 0;
      CodePoint(combined);
    } else {
      CodePoint(0xFFFD);
    }
    return;
  }
  if (code == 0) return;
  CodePoint(code);
}

void TParser::DropHighSurrogate() {
  if (!FHighSurrogate) return;
  FHighSurrogate = 0;
  if (!FStack.empty() && Cur().Dest == dNormal && !Cur().Char.Hidden) {
    AppendUtf8(FText, 0xFFFD);
    FParaHasContent = true;
  }
}

void TParser::Binary(int Length) {
  const std::size_t available = static_cast<std::size_t>(FEnd - FPos);
  const std::size_t n =
      std::min<std::size_t>(static_cast<std::size_t>(std::max(Length, 0)), available);
  if (!FStack.empty() && Cur().Dest == dPict) FPicture.Data.append(FPos, n);
  FPos += n;
}

// Skips the rest of the current group quickly: only braces, escapes and \bin matter here.
void TParser::SkipGroup() {
  std::size_t depth = 0;
  while (FPos < FEnd) {
    const char c = *FPos;
    if (c == '{') {
      ++depth;
      ++FPos;
    } else if (c == '}') {
      if (depth == 0) return; // the main loop closes the skipped group
      --depth;
      ++FPos;
    } else if (c == '\\') {
      ++FPos;
      if (FPos >= FEnd) return;
      if (!IsLetter(*FPos)) {
        ++FPos;
        continue;
      }
      const char* start = FPos;
      while (FPos < FEnd && IsLetter(*FPos))
        ++FPos;
      if (FPos - start == 3 && std::string_view(start, 3) == "bin") {
        std::int64_t n = 0;
        while (FPos < FEnd && IsDigit(*FPos)) {
          if (n < 0x7FFFFFFF) n = n * 10 + (*FPos - '0');
          ++FPos;
        }
        if (FPos < FEnd && *FPos == ' ') ++FPos;
        FPos += std::min<std::int64_t>(n, FEnd - FPos);
      }
    } else {
      ++FPos;
    }
  }
}

void TParser::SetDest(TDest Dest) {
  Cur().Dest = Dest;
  if (Dest == dSkip) SkipGroup();
}

void TParser::Flush() {
  DropHighSurrogate();
  FDecoder.Reset(); // a lead byte does not pair across control words
  if (FText.empty()) return;
  Context();
  FSink.Text(FText, Cur().Char);
  FText.clear();
}

void TParser::Context() {
  if (Cur().Para.InTable) {
    if (!FInRow) {
      FSink.RowBegin(FRow);
      FInRow = FInTable = true;
    }
  } else if (FInTable) {
    EndTable();
  }
  FParaHasContent = true;
}

void TParser::EndTable() {
  if (FLinkOpen) {
    FSink.LinkEnd();
    FLinkOpen = false;
    for (TField& field : FFields)
      field.Link = false;
  }
  if (FInRow) FSink.RowEnd(FRow);
  FInRow = false;
  FSink.TableEnd();
  FInTable = false;
}

void TParser::EndParagraph() {
  Flush();
  Context();
  TRtfParaFormat format = Cur().Para;
  format.PageBreakBefore = format.PageBreakBefore || FPageBreakPending;
  FPageBreakPending = false;
  FSink.ParagraphEnd(format);
  FParaHasContent = false;
}

void TParser::EndCell() {
  Flush();
  Cur().Para.InTable = true;
  Context();
  FSink.CellEnd(Cur().Para);
  FParaHasContent = false;
}

void TParser::EndRow() {
  Flush();
  if (FParaHasContent) {
    if (Cur().Para.InTable)
      EndCell();
    else
      EndParagraph();
  }
  if (!FInRow) {
    FSink.RowBegin(FRow);
    FInRow = FInTable = true;
  }
  FSink.RowEnd(FRow);
  FInRow = false;
  FParaHasContent = false;
}

void TParser::Tab() {
  if (Cur().Dest != dNormal || Cur().Char.Hidden) return;
  Flush();
  Context();
  FSink.Tab(Cur().Char);
}

void TParser::LineBreak() {
  if (Cur().Dest != dNormal || Cur().Char.Hidden) return;
  Flush();
  Context();
  FSink.LineBreak(Cur().Char);
}

void TParser::EmitPicture() {
  if (Cur().Char.Hidden) return;
  if (FPicture.Kind == TRtfPictureKind::Other) FPicture.Data.clear();
  Context();
  FSink.Picture(FPicture, Cur().Char);
}

void TParser::FieldResult() {
  Cur().Dest = dNormal;
  if (FFields.empty() || FFields.back().Depth > FStack.size() || FFields.back().Result) return;
  TField& field = FFields.back();
  field.Result = true;
  std::string target;
  if (FLinkOpen || !ParseHyperlinkInstruction(field.Instruction, target)) return;
  Context();
  FSink.LinkBegin(target);
  FLinkOpen = true;
  field.Link = true;
}

void TParser::EndField() {
  if (FFields.back().Link && FLinkOpen) {
    FSink.LinkEnd();
    FLinkOpen = false;
  }
  FFields.pop_back();
}

void TParser::Finish() {
  if (FStack.empty()) FStack.emplace_back();
  Flush();
  Cur().Dest = dNormal;
  if (FParaHasContent) {
    if (FInRow)
      EndCell();
    else
      EndParagraph();
  }
  while (!FFields.empty())
    EndField();
  if (FLinkOpen) {
    FSink.LinkEnd();
    FLinkOpen = false;
  }
  if (FInTable) EndTable();
  FSink.End();
}

void TParser::FinishFontTable() {
  for (TRtfFont& font : FTables.Fonts)
    while (!font.Name.empty() && font.Name.back() == ' ')
      font.Name.pop_back();
  FCurrentFont = -1;
  FTables.DefaultFont = FontIndex(FDefaultFontNumber);
  const int codePage = CodePageOf(FTables.DefaultFont);
  for (TState& state : FStack)
    if (state.Char.Font < 0) {
      state.Char.Font = FTables.DefaultFont;
      state.CodePage = codePage;
    }
}

void TParser::FinishLevelText() {
  if (FCurrentList < 0 || FCurrentLevel < 0) return;
  TRtfListLevel& level = FTables.Lists[FCurrentList].Levels[FCurrentLevel];
  if (FLevelText.empty()) return;
  // The first character counts the rest; values below 9 stand for the level numbers.
  const std::size_t count = std::min<std::size_t>(FLevelText[0], FLevelText.size() - 1);
  std::size_t first = count + 1, last = 0;
  for (std::size_t i = 1; i <= count; ++i)
    if (FLevelText[i] < 9) {
      first = std::min(first, i);
      last = i;
    }
  level.Prefix.clear();
  level.Suffix.clear();
  if (level.Kind == TRtfListKind::Bullet) {
    if (count >= 1) {
      std::uint32_t bullet = FLevelText[1];
      if (FLevelSymbolFont) {
        if (bullet == 0xB7)
          bullet = 0x2022;
        else if (bullet == 0xA7)
          bullet = 0x25AA;
        else if (bullet == 'o')
          bullet = 0x25E6;
      }
      level.Bullet = bullet;
    }
    return;
  }
  for (std::size_t i = 1; i < first && i <= count; ++i)
    AppendUtf8(level.Prefix, FLevelText[i]);
  for (std::size_t i = last + 1; i <= count && last > 0; ++i)
    AppendUtf8(level.Suffix, FLevelText[i]);
}

int TParser::FontIndex(int Number) const {
  if (Number >= 0 && Number < 1024)
    return static_cast<std::size_t>(Number) < FFontByNumber.size() ? FFontByNumber[Number] : -1;
  for (std::size_t i = 0; i < FTables.Fonts.size(); ++i)
    if (FTables.Fonts[i].Number == Number) return static_cast<int>(i);
  return -1;
}

std::int32_t TParser::Color(int Index) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= FTables.Colors.size()) return -1;
  return FTables.Colors[Index];
}

int TParser::CodePageOf(int Index) const {
  const TRtfFont* font = FTables.FindFont(Index);
  if (!font) return 0;
  if (font->CodePage > 0) return font->CodePage;
  return CharsetToCodePage(font->Charset);
}

TRtfBorder* TParser::Border(TRtfSide Side) {
  switch (FBorderTarget) {
  case btPara:
  case btParaBox:
    return &Cur().Para.Borders[Side];
  case btCell:
    return &FCell.Borders[Side];
  case btRow:
    return &FRow.Borders[Side];
  default:
    return nullptr;
  }
}

void TParser::ForBorders(void (*Apply)(TRtfBorder&, int), int Value) {
  if (FBorderTarget == btParaBox) {
    for (TRtfBorder& border : Cur().Para.Borders)
      Apply(border, Value);
  } else if (TRtfBorder* border = Border(FBorderSide)) {
    Apply(*border, Value);
  }
}

TRtfListKind KindFromNfc(int Nfc) {
  switch (Nfc) {
  case 0:
    return TRtfListKind::Decimal;
  case 1:
    return TRtfListKind::UpperRoman;
  case 2:
    return TRtfListKind::LowerRoman;
  case 3:
    return TRtfListKind::UpperAlpha;
  case 4:
    return TRtfListKind::LowerAlpha;
  case 255:
    return TRtfListKind::None;
  case 23:
    return TRtfListKind::Bullet;
  default:
    return TRtfListKind::Decimal; // the other numbering styles show numbers too
  }
}

void TParser::HandleWord(TRtfWord Word, bool HasParam, int Param) {
  if (FStack.empty()) return;
  const bool starred = FStar;
  FStar = false;
  TState& s = Cur();
  const TDest dest = s.Dest;
  const bool on = !HasParam || Param != 0;

  // Words that only add text keep the pending run going.
  switch (Word) {
  case kwU:
    Unicode(Param);
    return;
  case kwEmdash:
    CodePoint(0x2014);
    return;
  case kwEndash:
    CodePoint(0x2013);
    return;
  case kwBullet:
    CodePoint(0x2022);
    return;
  case kwLquote:
    CodePoint(0x2018);
    return;
  case kwRquote:
    CodePoint(0x2019);
    return;
  case kwLdblquote:
    CodePoint(0x201C);
    return;
  case kwRdblquote:
    CodePoint(0x201D);
    return;
  case kwEmspace:
    CodePoint(0x2003);
    return;
  case kwEnspace:
    CodePoint(0x2002);
    return;
  case kwQmspace:
    CodePoint(0x2005);
    return;
  case kwZwj:
    CodePoint(0x200D);
    return;
  case kwZwnj:
    CodePoint(0x200C);
    return;
  case kwLtrmark:
    CodePoint(0x200E);
    return;
  case kwRtlmark:
    CodePoint(0x200F);
    return;
  case kwZwbo:
    CodePoint(0x200B);
    return;
  case kwZwnbo:
    CodePoint(0x2060);
    return;
  case kwUc:
    s.Uc = static_cast<std::uint8_t>(std::clamp(Param, 0, MaxUnicodeSkip));
    return;
  case kwBin:
    Binary(HasParam ? Param : 0);
    return;
  default:
    break;
  }
  Flush();

  // Inside the background, shape properties are read even though they are marked ignorable.
  if (dest == dBackground || dest == dShapeName || dest == dShapeValue) {
    switch (Word) {
    case kwShp:
    case kwShpinst:
    case kwSp:
      s.Dest = dBackground;
      return;
    case kwSn:
      FShapeName.clear();
      s.Dest = dShapeName;
      return;
    case kwSv:
      FShapeValue.clear();
      s.Dest = dShapeValue;
      return;
    default:
      if (starred || Word == kwPict) SetDest(dSkip);
      return;
    }
  }

  if (starred) {
    switch (Word) {
    case kwFldinst:
    case kwPn:
    case kwShppict:
    case kwBackground:
    case kwListtable:
    case kwListoverridetable:
    case kwPict:
      break;
    default:
      SetDest(dSkip);
      return;
    }
  }

  switch (Word) {
  // Destinations.
  case kwFonttbl:
    s.Dest = dFontTable;
    return;
  case kwColortbl:
    s.Dest = dColorTable;
    FColorSet = false;
    FRed = FGreen = FBlue = 0;
    return;
  case kwListtable:
    s.Dest = dListTable;
    return;
  case kwListoverridetable:
    s.Dest = dOverrideTable;
    return;
  case kwList:
    if (dest == dListTable && FTables.Lists.size() < MaxLists) {
      s.Dest = dList;
      FTables.Lists.emplace_back();
      FCurrentList = static_cast<int>(FTables.Lists.size()) - 1;
      FLevelCount = 0;
    } else {
      SetDest(dSkip);
    }
    return;
  case kwListlevel:
    if (dest == dList) {
      s.Dest = dListLevel;
      FCurrentLevel = FLevelCount < 9 ? FLevelCount : -1;
      ++FLevelCount;
      FLevelSymbolFont = false;
    } else {
      SetDest(dSkip);
    }
    return;
  case kwLeveltext:
    if (dest == dListLevel) {
      s.Dest = dLevelText;
      FLevelText.clear();
    } else {
      SetDest(dSkip);
    }
    return;
  case kwListoverride:
    if (dest == dOverrideTable) {
      s.Dest = dOverride;
      FOverride = {};
    } else {
      SetDest(dSkip);
    }
    return;
  case kwPict:
    if (dest != dNormal) {
      SetDest(dSkip);
      return;
    }
    s.Dest = dPict;
    FPicture = {};
    FPictDepth = FStack.size();
    FInPict = true;
    FNibble = -1;
    return;
  case kwField:
    if (dest != dNormal) return;
    if (FFields.size() < MaxFields) FFields.push_back({FStack.size(), {}});
    s.Dest = dField;
    return;
  case kwFldinst:
    if (dest == dField)
      s.Dest = dFieldInst;
    else
      SetDest(dSkip);
    return;
  case kwFldrslt:
    if (dest == dField)
      FieldResult();
    else
      SetDest(dSkip);
    return;
  case kwBackground:
    if (dest == dNormal)
      s.Dest = dBackground;
    else
      SetDest(dSkip);
    return;
  case kwPn:
    if (dest == dNormal && FStack.size() >= 2) {
      s.Dest = dPn;
      FPnTarget = FStack.size() - 2;
      FStack[FPnTarget].Para.OldListKind = TRtfListKind::Bullet;
      FStack[FPnTarget].Para.ListLevel = 0;
    } else {
      SetDest(dSkip);
    }
    return;
  case kwShppict:
  case kwObject:
  case kwResult:
  case kwShp:
  case kwShprslt:
    return; // transparent: their content is the document's
  case kwInfo:
  case kwStylesheet:
  case kwPntext:
  case kwListtext:
  case kwPntxtb:
  case kwPntxta:
  case kwHeader:
  case kwHeaderl:
  case kwHeaderr:
  case kwHeaderf:
  case kwFooter:
  case kwFooterl:
  case kwFooterr:
  case kwFooterf:
  case kwFootnote:
  case kwAnnotation:
  case kwAtnid:
  case kwAtnauthor:
  case kwObjdata:
  case kwNonshppict:
  case kwShpinst:
  case kwSp:
  case kwSn:
  case kwSv:
  case kwListname:
  case kwLevelnumbers:
  case kwXe:
  case kwTc:
  case kwTxe:
  case kwGenerator:
  case kwThemedata:
  case kwColorschememapping:
  case kwDatastore:
  case kwLatentstyles:
  case kwRevtbl:
  case kwRsidtbl:
  case kwXmlnstbl:
  case kwMmathPr:
  case kwPgdsctbl:
  case kwUserprops:
  case kwDocvar:
  case kwTemplate:
  case kwFtnsep:
  case kwFtnsepc:
  case kwFtncn:
  case kwAftnsep:
  case kwAftnsepc:
  case kwAftncn:
  case kwFalt:
  case kwPanose:
  case kwFontemb:
  case kwFontfile:
  case kwNonesttables:
  case kwNesttableprops:
  case kwBkmkstart:
  case kwBkmkend:
    SetDest(dSkip);
    return;
  default:
    break;
  }

  switch (dest) {
  case dFontTable:
    switch (Word) {
    case kwF:
      if (FTables.Fonts.size() < MaxFonts) {
        FTables.Fonts.push_back({Param, {}, 0, 0});
        FCurrentFont = static_cast<int>(FTables.Fonts.size()) - 1;
        FFontNameDone = false;
        if (Param >= 0 && Param < 1024) {
          if (FFontByNumber.size() <= static_cast<std::size_t>(Param))
            FFontByNumber.resize(static_cast<std::size_t>(Param) + 1, -1);
          if (FFontByNumber[Param] < 0) FFontByNumber[Param] = FCurrentFont;
        }
      } else {
        FCurrentFont = -1;
      }
      return;
    case kwFcharset:
      if (FCurrentFont >= 0) FTables.Fonts[FCurrentFont].Charset = Param;
      return;
    case kwCpg:
      if (FCurrentFont >= 0) FTables.Fonts[FCurrentFont].CodePage = Param;
      return;
    default:
      return;
    }
  case dColorTable:
    switch (Word) {
    case kwRed:
      FRed = std::clamp(Param, 0, 255);
      break;
    case kwGreen:
      FGreen = std::clamp(Param, 0, 255);
      break;
    case kwBlue:
      FBlue = std::clamp(Param, 0, 255);
      break;
    default:
      return;
    }
    FColorSet = true;
    return;
  case dList:
    if (Word == kwListid && FCurrentList >= 0) FTables.Lists[FCurrentList].ListId = Param;
    return;
  case dListLevel: {
    if (FCurrentList < 0 || FCurrentLevel < 0) return;
    TRtfListLevel& level = FTables.Lists[FCurrentList].Levels[FCurrentLevel];
    switch (Word) {
    case kwLevelnfc:
    case kwLevelnfcn:
      level.Kind = KindFromNfc(Param);
      return;
    case kwLevelstartat:
      level.Start = Param;
      return;
    case kwLi:
    case kwLin:
      level.LeftIndent = Param;
      return;
    case kwFi:
      level.FirstIndent = Param;
      return;
    case kwF: {
      const TRtfFont* font = FTables.FindFont(FontIndex(Param));
      FLevelSymbolFont =
          font && (font->Name == "Symbol" || font->Name == "Wingdings" || font->Charset == 2);
      return;
    }
    default:
      return;
    }
  }
  case dOverride:
    if (Word == kwListid)
      FOverride.ListId = Param;
    else if (Word == kwLs)
      FOverride.Number = Param;
    return;
  case dPict:
    switch (Word) {
    case kwPngblip:
      FPicture.Kind = TRtfPictureKind::Png;
      return;
    case kwJpegblip:
      FPicture.Kind = TRtfPictureKind::Jpeg;
      return;
    case kwEmfblip:
    case kwWmetafile:
    case kwDibitmap:
    case kwWbitmap:
    case kwMacpict:
    case kwPmmetafile:
      FPicture.Kind = TRtfPictureKind::Other;
      return;
    case kwPicw:
      FPicture.Width = Param;
      return;
    case kwPich:
      FPicture.Height = Param;
      return;
    case kwPicwgoal:
      FPicture.GoalWidth = Param;
      return;
    case kwPichgoal:
      FPicture.GoalHeight = Param;
      return;
    case kwPicscalex:
      FPicture.ScaleX = Param;
      return;
    case kwPicscaley:
      FPicture.ScaleY = Param;
      return;
    default:
      return;
    }
  case dPn: {
    TRtfParaFormat& para = FStack[FPnTarget].Para;
    switch (Word) {
    case kwPnlvlblt:
      para.OldListKind = TRtfListKind::Bullet;
      return;
    case kwPnlvlbody:
    case kwPndec:
      para.OldListKind = TRtfListKind::Decimal;
      return;
    case kwPnucltr:
      para.OldListKind = TRtfListKind::UpperAlpha;
      return;
    case kwPnlcltr:
      para.OldListKind = TRtfListKind::LowerAlpha;
      return;
    case kwPnucrm:
      para.OldListKind = TRtfListKind::UpperRoman;
      return;
    case kwPnlcrm:
      para.OldListKind = TRtfListKind::LowerRoman;
      return;
    case kwPnlvl:
      para.ListLevel = std::clamp(Param - 1, 0, 8);
      return;
    default:
      return;
    }
  }
  case dNormal:
    break;
  default:
    return;
  }

  TRtfCharFormat& ch = s.Char;
  TRtfParaFormat& para = s.Para;
  switch (Word) {
  // Document.
  case kwAnsicpg:
    if (Param > 0) {
      FAnsiCodePage = Param;
      FHaveAnsiCodePage = true;
    }
    return;
  case kwAnsi:
    if (!FHaveAnsiCodePage) FAnsiCodePage = 1252;
    return;
  case kwMac:
    if (!FHaveAnsiCodePage) FAnsiCodePage = 10000;
    return;
  case kwPc:
    if (!FHaveAnsiCodePage) FAnsiCodePage = 437;
    return;
  case kwPca:
    if (!FHaveAnsiCodePage) FAnsiCodePage = 850;
    return;
  case kwDeff:
    FDefaultFontNumber = Param;
    if (!FTables.Fonts.empty()) FTables.DefaultFont = FontIndex(Param);
    return;

  // Character format.
  case kwPlain: {
    ch = TRtfCharFormat();
    ch.Font = FTables.DefaultFont;
    s.CodePage = CodePageOf(ch.Font);
    return;
  }
  case kwF:
    ch.Font = FontIndex(Param);
    s.CodePage = CodePageOf(ch.Font);
    return;
  case kwFs:
    ch.HalfPoints = HasParam && Param > 0 ? std::min(Param, 3276) : 24;
    return;
  case kwB:
    ch.Bold = on;
    return;
  case kwI:
    ch.Italic = on;
    return;
  case kwStrike:
  case kwStriked:
    ch.Strike = on;
    return;
  case kwCaps:
    ch.Caps = on ? TRtfCaps::All : TRtfCaps::None;
    return;
  case kwScaps:
    ch.Caps = on ? TRtfCaps::Small : TRtfCaps::None;
    return;
  case kwV:
    ch.Hidden = on;
    return;
  case kwUl:
    ch.Underline = on ? TRtfUnderline::Single : TRtfUnderline::None;
    return;
  case kwUlnone:
    ch.Underline = TRtfUnderline::None;
    return;
  case kwUld:
  case kwUlthd:
    ch.Underline = TRtfUnderline::Dotted;
    return;
  case kwUldash:
  case kwUlldash:
  case kwUlthdash:
    ch.Underline = TRtfUnderline::Dash;
    return;
  case kwUldashd:
    ch.Underline = TRtfUnderline::DashDot;
    return;
  case kwUldashdd:
    ch.Underline = TRtfUnderline::DashDotDot;
    return;
  case kwUldb:
    ch.Underline = TRtfUnderline::Double;
    return;
  case kwUlth:
  case kwUlw:
    ch.Underline = TRtfUnderline::Single;
    return;
  case kwUlwave:
  case kwUlhwave:
    ch.Underline = TRtfUnderline::Wave;
    return;
  case kwSuper:
    ch.Vertical = on ? TRtfVertical::Super : TRtfVertical::Normal;
    return;
  case kwSub:
    ch.Vertical = on ? TRtfVertical::Sub : TRtfVertical::Normal;
    return;
  case kwNosupersub:
    ch.Vertical = TRtfVertical::Normal;
    return;
  case kwCf:
    ch.Color = Color(Param);
    return;
  case kwCb:
  case kwChcbpat:
  case kwHighlight:
    ch.Background = Color(Param);
    return;

  // Paragraph format.
  case kwPard:
    para = TRtfParaFormat();
    FBorderTarget = btNone;
    return;
  case kwQl:
    para.Align = TRtfAlign::Left;
    return;
  case kwQc:
    para.Align = TRtfAlign::Center;
    return;
  case kwQr:
    para.Align = TRtfAlign::Right;
    return;
  case kwQj:
  case kwQd:
    para.Align = TRtfAlign::Justify;
    return;
  case kwLi:
  case kwLin:
    para.LeftIndent = Param;
    return;
  case kwRi:
  case kwRin:
    para.RightIndent = Param;
    return;
  case kwFi:
    para.FirstIndent = Param;
    return;
  case kwSb:
    para.SpaceBefore = Param;
    return;
  case kwSa:
    para.SpaceAfter = Param;
    return;
  case kwSl:
    para.LineSpacing = Param;
    para.LineRule = Param == 0  ? TRtfLineRule::Auto
                    : Param < 0 ? TRtfLineRule::Exact
                                : TRtfLineRule::AtLeast;
    if (Param < 0) para.LineSpacing = Param == INT32_MIN ? 0x7FFFFFFF : -Param;
    return;
  case kwSlmult:
    if (Param == 1 && para.LineRule == TRtfLineRule::AtLeast)
      para.LineRule = TRtfLineRule::Multiple;
    return;
  case kwCbpat:
    para.Background = Color(Param);
    return;
  case kwIntbl:
    para.InTable = true;
    return;
  case kwItap:
    para.InTable = Param > 0;
    return;
  case kwPagebb:
    para.PageBreakBefore = on;
    return;
  case kwLs:
    para.ListOverride = Param;
    return;
  case kwIlvl:
    para.ListLevel = std::clamp(Param, 0, 8);
    return;

  // Borders: a side word picks the border that the following words describe.
  case kwBrdrt:
    ParaBorder(rsTop, btPara);
    return;
  case kwBrdrl:
    ParaBorder(rsLeft, btPara);
    return;
  case kwBrdrb:
    ParaBorder(rsBottom, btPara);
    return;
  case kwBrdrr:
    ParaBorder(rsRight, btPara);
    return;
  case kwBox:
    ParaBorder(rsTop, btParaBox);
    return;
  case kwClbrdrt:
    ParaBorder(rsTop, btCell);
    return;
  case kwClbrdrl:
    ParaBorder(rsLeft, btCell);
    return;
  case kwClbrdrb:
    ParaBorder(rsBottom, btCell);
    return;
  case kwClbrdrr:
    ParaBorder(rsRight, btCell);
    return;
  case kwTrbrdrt:
    ParaBorder(rsTop, btRow);
    return;
  case kwTrbrdrl:
    ParaBorder(rsLeft, btRow);
    return;
  case kwTrbrdrb:
    ParaBorder(rsBottom, btRow);
    return;
  case kwTrbrdrr:
    ParaBorder(rsRight, btRow);
    return;
  case kwBrdrs:
  case kwBrdrth:
  case kwBrdrhair:
    ForBorders([](TRtfBorder& b, int) { b.Style = TRtfBorderStyle::Single; }, 0);
    return;
  case kwBrdrdb:
  case kwBrdrtriple:
    ForBorders([](TRtfBorder& b, int) { b.Style = TRtfBorderStyle::Double; }, 0);
    return;
  case kwBrdrdot:
    ForBorders([](TRtfBorder& b, int) { b.Style = TRtfBorderStyle::Dotted; }, 0);
    return;
  case kwBrdrdash:
    ForBorders([](TRtfBorder& b, int) { b.Style = TRtfBorderStyle::Dashed; }, 0);
    return;
  case kwBrdrnone:
    ForBorders([](TRtfBorder& b, int) { b.Style = TRtfBorderStyle::None; }, 0);
    return;
  case kwBrdrw:
    ForBorders([](TRtfBorder& b, int v) { b.Width = std::clamp(v, 0, 2000); }, Param);
    return;
  case kwBrdrcf: {
    const std::int32_t color = Color(Param);
    if (FBorderTarget == btParaBox) {
      for (TRtfBorder& b : para.Borders)
        b.Color = color;
    } else if (TRtfBorder* b = Border(FBorderSide)) {
      b->Color = color;
    }
    return;
  }

  // Table rows.
  case kwTrowd:
    FRow = TRtfRowFormat();
    FCell = TRtfCell();
    FBorderTarget = btNone;
    return;
  case kwTrleft:
    FRow.Left = Param;
    return;
  case kwTrgaph:
    FRow.Gap = Param;
    return;
  case kwClmgf:
    FCell.HMerge = TRtfMerge::First;
    return;
  case kwClmrg:
    FCell.HMerge = TRtfMerge::Continue;
    return;
  case kwClvmgf:
    FCell.VMerge = TRtfMerge::First;
    return;
  case kwClvmrg:
    FCell.VMerge = TRtfMerge::Continue;
    return;
  case kwClcbpat:
    FCell.Background = Color(Param);
    return;
  case kwCellx:
    FCell.Right = Param;
    if (FRow.Cells.size() < MaxCells) FRow.Cells.push_back(FCell);
    FCell = TRtfCell();
    FBorderTarget = btNone;
    return;
  case kwCell:
    EndCell();
    return;
  case kwRow:
    EndRow();
    return;
  case kwNestcell:
    Tab();
    return;
  case kwNestrow:
    EndParagraph();
    return;

  // Breaks.
  case kwPar:
  case kwSect:
  case kwColumn:
    EndParagraph();
    return;
  case kwLine:
    LineBreak();
    return;
  case kwTab:
    Tab();
    return;
  case kwPage:
    if (para.InTable) return;
    if (FParaHasContent) EndParagraph();
    FPageBreakPending = true;
    return;
  default:
    return;
  }
}

} // namespace

void ReadRtf(std::string_view Rtf, TRtfSink& Sink) {
  if (Rtf.substr(0, 3) == "\xEF\xBB\xBF") Rtf.remove_prefix(3);
  std::size_t start = 0;
  while (start < Rtf.size() &&
         (Rtf[start] == ' ' || Rtf[start] == '\t' || Rtf[start] == '\r' || Rtf[start] == '\n'))
    ++start;
  TParser parser(Rtf, Sink);
  if (Rtf.substr(start, 5) == "{\\rtf")
    parser.Run();
  else if (start == Rtf.size())
    parser.RunPlainText({});
  else
    parser.RunPlainText(Rtf);
}
