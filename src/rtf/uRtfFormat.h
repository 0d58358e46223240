#pragma once
// What the RTF reader hands its sinks: character, paragraph, row and picture properties and the
// document's tables. Lengths are in twips (1/1440 inch), colours are 0xRRGGBB, -1 means "not
// set" (automatic colour, no background).

#include <cstdint>
#include <string>
#include <vector>

enum class TRtfUnderline : std::uint8_t {
  None,
  Single,
  Double,
  Dotted,
  Dash,
  DashDot,
  DashDotDot,
  Wave
};
enum class TRtfVertical : std::uint8_t { Normal, Super, Sub };
enum class TRtfCaps : std::uint8_t { None, All, Small };

struct TRtfCharFormat {
  int Font = -1;       // index into TRtfTables::Fonts, -1 for none
  int HalfPoints = 24; // font size in half points
  std::int32_t Color = -1;
  std::int32_t Background = -1;
  bool Bold = false;
  bool Italic = false;
  bool Strike = false;
  bool Hidden = false;
  TRtfUnderline Underline = TRtfUnderline::None;
  TRtfVertical Vertical = TRtfVertical::Normal;
  TRtfCaps Caps = TRtfCaps::None;
  bool operator==(const TRtfCharFormat&) const = default;
};

enum class TRtfAlign : std::uint8_t { Left, Center, Right, Justify };

enum class TRtfBorderStyle : std::uint8_t { None, Single, Double, Dotted, Dashed };

struct TRtfBorder {
  TRtfBorderStyle Style = TRtfBorderStyle::None;
  int Width = 0;           // twips
  std::int32_t Color = -1; // -1: automatic
  bool operator==(const TRtfBorder&) const = default;
};

// Sides in the order top, left, bottom, right.
enum TRtfSide : std::uint8_t { rsTop, rsLeft, rsBottom, rsRight };

enum class TRtfListKind : std::uint8_t {
  None,
  Bullet,
  Decimal,
  LowerAlpha,
  UpperAlpha,
  LowerRoman,
  UpperRoman
};

enum class TRtfLineRule : std::uint8_t { Auto, AtLeast, Exact, Multiple };

struct TRtfParaFormat {
  TRtfAlign Align = TRtfAlign::Left;
  int LeftIndent = 0;
  int RightIndent = 0;
  int FirstIndent = 0;
  int SpaceBefore = 0;
  int SpaceAfter = 0;
  // Multiple: LineSpacing is in 240ths of a line; AtLeast/Exact: twips.
  TRtfLineRule LineRule = TRtfLineRule::Auto;
  int LineSpacing = 0;
  std::int32_t Background = -1;
  TRtfBorder Borders[4];
  // List membership: the list's \ls number (0: not in a list) and level 0..8.
  int ListOverride = 0;
  int ListLevel = 0;
  // Old-style (\pn) numbering, used when there is no \ls.
  TRtfListKind OldListKind = TRtfListKind::None;
  bool InTable = false;
  bool PageBreakBefore = false;
  bool operator==(const TRtfParaFormat&) const = default;
};

enum class TRtfMerge : std::uint8_t { None, First, Continue };

struct TRtfCell {
  int Right = 0; // right boundary (\cellx), twips from the row's origin
  TRtfMerge HMerge = TRtfMerge::None;
  TRtfMerge VMerge = TRtfMerge::None;
  std::int32_t Background = -1;
  TRtfBorder Borders[4];
};

struct TRtfRowFormat {
  int Left = 0;          // \trleft
  int Gap = 0;           // \trgaph: half the space between cells
  TRtfBorder Borders[4]; // row (table) borders \trbrdr*
  std::vector<TRtfCell> Cells;
};

enum class TRtfPictureKind : std::uint8_t { Png, Jpeg, Other };

struct TRtfPicture {
  TRtfPictureKind Kind = TRtfPictureKind::Other;
  std::string Data; // the image file's bytes (PNG or JPEG); empty for others
  int Width = 0;    // \picw, \pich: source size (pixels for bitmaps)
  int Height = 0;
  int GoalWidth = 0; // \picwgoal, \pichgoal: shown size, twips
  int GoalHeight = 0;
  int ScaleX = 100; // percent
  int ScaleY = 100;
  // The shown size in twips: goal size (or source size at 15 twips a pixel) times the scale.
  int ShownWidth() const;
  int ShownHeight() const;
};

struct TRtfFont {
  int Number = 0; // \fN
  std::string Name;
  int Charset = 0;
  int CodePage = 0; // 0: from the charset
};

struct TRtfListLevel {
  TRtfListKind Kind = TRtfListKind::Bullet;
  int Start = 1;
  std::uint32_t Bullet = 0x2022; // code point of a bullet level's symbol
  std::string Prefix, Suffix;    // around the number of a numbered level (UTF-8)
  int LeftIndent = 0, FirstIndent = 0;
};

struct TRtfList {
  int ListId = 0;
  TRtfListLevel Levels[9];
};

struct TRtfListOverride {
  int ListId = 0;
  int Number = 0; // the \ls number paragraphs refer to
};

struct TRtfTables {
  std::vector<TRtfFont> Fonts;
  std::vector<std::int32_t> Colors; // -1 for an automatic entry
  std::vector<TRtfList> Lists;
  std::vector<TRtfListOverride> Overrides;
  int DefaultFont = -1;         // index into Fonts of \deffN, -1 while unknown
  std::int32_t Background = -1; // the document background colour

  // The list level a paragraph belongs to, or nullptr.
  const TRtfListLevel* FindListLevel(int ListOverride, int Level) const;
  const TRtfFont* FindFont(int Index) const {
    return Index >= 0 && static_cast<std::size_t>(Index) < Fonts.size() ? &Fonts[Index] : nullptr;
  }
};
