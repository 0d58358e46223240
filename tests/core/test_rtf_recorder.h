#pragma once
// A sink for tests: every call becomes one line of text, with only the properties that differ
// from their defaults, so that expectations read like the document.

#include "rtf/uRtfReader.h"

#include <cstdio>
#include <string>
#include <string_view>

class TRtfRecorder : public TRtfSink {
public:
  std::string Log;
  const TRtfTables* Tables = nullptr;

  void Begin(const TRtfTables& T) override { Tables = &T; }
  void Text(std::string_view Utf8, const TRtfCharFormat& F) override {
    Log += "text \"" + std::string(Utf8) + "\"" + Char(F) + "\n";
  }
  void Tab(const TRtfCharFormat&) override { Log += "tab\n"; }
  void LineBreak(const TRtfCharFormat&) override { Log += "line\n"; }
  void Picture(const TRtfPicture& P, const TRtfCharFormat&) override {
    const char* kind = P.Kind == TRtfPictureKind::Png    ? "png"
                       : P.Kind == TRtfPictureKind::Jpeg ? "jpeg"
                                                         : "other";
    Log += std::string("pict ") + kind + " " + std::to_string(P.Data.size()) + " bytes " +
           std::to_string(P.ShownWidth()) + "x" + std::to_string(P.ShownHeight()) + "\n";
  }
  void LinkBegin(std::string_view Target) override { Log += "link " + std::string(Target) + "\n"; }
  void LinkEnd() override { Log += "/link\n"; }
  void ParagraphEnd(const TRtfParaFormat& F) override { Log += "par" + Para(F) + "\n"; }
  void RowBegin(const TRtfRowFormat& R) override {
    Log += "row " + std::to_string(R.Cells.size()) + "\n";
  }
  void CellEnd(const TRtfParaFormat& F) override { Log += "cell" + Para(F) + "\n"; }
  void RowEnd(const TRtfRowFormat& R) override {
    std::string cells;
    for (const TRtfCell& c : R.Cells) {
      cells += " " + std::to_string(c.Right);
      if (c.HMerge == TRtfMerge::First) cells += "mf";
      if (c.HMerge == TRtfMerge::Continue) cells += "mc";
      if (c.VMerge == TRtfMerge::First) cells += "vf";
      if (c.VMerge == TRtfMerge::Continue) cells += "vc";
      if (c.Background >= 0) cells += "bg" + Hex(c.Background);
      if (c.Borders[rsTop].Style != TRtfBorderStyle::None)
        cells += "b" + std::to_string(c.Borders[rsTop].Width);
    }
    Log += "/row" + cells + "\n";
  }
  void TableEnd() override { Log += "/table\n"; }
  // The reader's tables live only while it reads; keep a copy for the test to look at.
  void End() override {
    if (!Tables) return;
    FFinal = *Tables;
    Tables = &FFinal;
  }

  static std::string Hex(std::int32_t Color) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06x", static_cast<unsigned>(Color));
    return buf;
  }

private:
  TRtfTables FFinal;
  std::string Char(const TRtfCharFormat& F) const {
    std::string s;
    if (F.Bold) s += " b";
    if (F.Italic) s += " i";
    if (F.Underline != TRtfUnderline::None) s += " u" + std::to_string(int(F.Underline));
    if (F.Strike) s += " s";
    if (F.Caps == TRtfCaps::All) s += " caps";
    if (F.Caps == TRtfCaps::Small) s += " scaps";
    if (F.Vertical == TRtfVertical::Super) s += " sup";
    if (F.Vertical == TRtfVertical::Sub) s += " sub";
    if (F.HalfPoints != 24) s += " fs" + std::to_string(F.HalfPoints);
    if (F.Color >= 0) s += " cf" + Hex(F.Color);
    if (F.Background >= 0) s += " bg" + Hex(F.Background);
    if (Tables && F.Font != Tables->DefaultFont) {
      const TRtfFont* font = Tables->FindFont(F.Font);
      s += " font=" + (font ? font->Name : std::string("?"));
    }
    return s;
  }
  std::string Para(const TRtfParaFormat& F) const {
    std::string s;
    if (F.Align == TRtfAlign::Center) s += " qc";
    if (F.Align == TRtfAlign::Right) s += " qr";
    if (F.Align == TRtfAlign::Justify) s += " qj";
    if (F.LeftIndent) s += " li" + std::to_string(F.LeftIndent);
    if (F.RightIndent) s += " ri" + std::to_string(F.RightIndent);
    if (F.FirstIndent) s += " fi" + std::to_string(F.FirstIndent);
    if (F.SpaceBefore) s += " sb" + std::to_string(F.SpaceBefore);
    if (F.SpaceAfter) s += " sa" + std::to_string(F.SpaceAfter);
    if (F.LineRule != TRtfLineRule::Auto)
      s += " sl" + std::to_string(int(F.LineRule)) + ":" + std::to_string(F.LineSpacing);
    if (F.Background >= 0) s += " bg" + Hex(F.Background);
    for (int side = 0; side < 4; ++side)
      if (F.Borders[side].Style != TRtfBorderStyle::None)
        s += " border" + std::to_string(side) + ":" + std::to_string(int(F.Borders[side].Style)) +
             ":" + std::to_string(F.Borders[side].Width);
    if (Tables) {
      if (const TRtfListLevel* level = Tables->FindListLevel(F.ListOverride, F.ListLevel))
        s += " list" + std::to_string(int(level->Kind)) + ":" + std::to_string(F.ListLevel);
    }
    if (F.OldListKind != TRtfListKind::None && F.ListOverride == 0)
      s += " pn" + std::to_string(int(F.OldListKind)) + ":" + std::to_string(F.ListLevel);
    if (F.PageBreakBefore) s += " pagebreak";
    return s;
  }
};

inline std::string RecordRtf(std::string_view Rtf) {
  TRtfRecorder recorder;
  ReadRtf(Rtf, recorder);
  return recorder.Log;
}
