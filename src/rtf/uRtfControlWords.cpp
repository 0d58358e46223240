#include "rtf/uRtfControlWords.h"

#include <array>

namespace {

struct TEntry {
  std::string_view Name;
  TRtfWord Word;
};

constexpr TEntry Words[] = {
    {"rtf", kwRtf},
    {"fonttbl", kwFonttbl},
    {"colortbl", kwColortbl},
    {"stylesheet", kwStylesheet},
    {"info", kwInfo},
    {"listtable", kwListtable},
    {"listoverridetable", kwListoverridetable},
    {"pict", kwPict},
    {"fldinst", kwFldinst},
    {"fldrslt", kwFldrslt},
    {"field", kwField},
    {"pntext", kwPntext},
    {"listtext", kwListtext},
    {"pn", kwPn},
    {"pntxtb", kwPntxtb},
    {"pntxta", kwPntxta},
    {"header", kwHeader},
    {"headerl", kwHeaderl},
    {"headerr", kwHeaderr},
    {"headerf", kwHeaderf},
    {"footer", kwFooter},
    {"footerl", kwFooterl},
    {"footerr", kwFooterr},
    {"footerf", kwFooterf},
    {"footnote", kwFootnote},
    {"annotation", kwAnnotation},
    {"atnid", kwAtnid},
    {"atnauthor", kwAtnauthor},
    {"object", kwObject},
    {"objdata", kwObjdata},
    {"result", kwResult},
    {"nonshppict", kwNonshppict},
    {"shppict", kwShppict},
    {"background", kwBackground},
    {"shp", kwShp},
    {"shpinst", kwShpinst},
    {"sp", kwSp},
    {"sn", kwSn},
    {"sv", kwSv},
    {"shprslt", kwShprslt},
    {"list", kwList},
    {"listlevel", kwListlevel},
    {"listoverride", kwListoverride},
    {"leveltext", kwLeveltext},
    {"levelnumbers", kwLevelnumbers},
    {"listname", kwListname},
    {"listid", kwListid},
    {"ls", kwLs},
    {"ilvl", kwIlvl},
    {"levelnfc", kwLevelnfc},
    {"levelnfcn", kwLevelnfcn},
    {"levelstartat", kwLevelstartat},
    {"xe", kwXe},
    {"tc", kwTc},
    {"txe", kwTxe},
    {"generator", kwGenerator},
    {"themedata", kwThemedata},
    {"colorschememapping", kwColorschememapping},
    {"datastore", kwDatastore},
    {"latentstyles", kwLatentstyles},
    {"revtbl", kwRevtbl},
    {"rsidtbl", kwRsidtbl},
    {"xmlnstbl", kwXmlnstbl},
    {"mmathPr", kwMmathPr},
    {"pgdsctbl", kwPgdsctbl},
    {"userprops", kwUserprops},
    {"docvar", kwDocvar},
    {"template", kwTemplate},
    {"ftnsep", kwFtnsep},
    {"ftnsepc", kwFtnsepc},
    {"ftncn", kwFtncn},
    {"aftnsep", kwAftnsep},
    {"aftnsepc", kwAftnsepc},
    {"aftncn", kwAftncn},
    {"falt", kwFalt},
    {"panose", kwPanose},
    {"fontemb", kwFontemb},
    {"fontfile", kwFontfile},
    {"nonesttables", kwNonesttables},
    {"nesttableprops", kwNesttableprops},
    {"bkmkstart", kwBkmkstart},
    {"bkmkend", kwBkmkend},
    {"plain", kwPlain},
    {"f", kwF},
    {"fs", kwFs},
    {"b", kwB},
    {"i", kwI},
    {"ul", kwUl},
    {"ulnone", kwUlnone},
    {"uld", kwUld},
    {"uldash", kwUldash},
    {"uldashd", kwUldashd},
    {"uldashdd", kwUldashdd},
    {"uldb", kwUldb},
    {"ulth", kwUlth},
    {"ulw", kwUlw},
    {"ulwave", kwUlwave},
    {"ulhwave", kwUlhwave},
    {"ulldash", kwUlldash},
    {"ulthd", kwUlthd},
    {"ulthdash", kwUlthdash},
    {"strike", kwStrike},
    {"striked", kwStriked},
    {"caps", kwCaps},
    {"scaps", kwScaps},
    {"super", kwSuper},
    {"sub", kwSub},
    {"nosupersub", kwNosupersub},
    {"cf", kwCf},
    {"cb", kwCb},
    {"highlight", kwHighlight},
    {"chcbpat", kwChcbpat},
    {"v", kwV},
    {"pard", kwPard},
    {"ql", kwQl},
    {"qc", kwQc},
    {"qr", kwQr},
    {"qj", kwQj},
    {"qd", kwQd},
    {"li", kwLi},
    {"ri", kwRi},
    {"fi", kwFi},
    {"lin", kwLin},
    {"rin", kwRin},
    {"sb", kwSb},
    {"sa", kwSa},
    {"sl", kwSl},
    {"slmult", kwSlmult},
    {"cbpat", kwCbpat},
    {"intbl", kwIntbl},
    {"itap", kwItap},
    {"pagebb", kwPagebb},
    {"brdrt", kwBrdrt},
    {"brdrb", kwBrdrb},
    {"brdrl", kwBrdrl},
    {"brdrr", kwBrdrr},
    {"box", kwBox},
    {"brdrs", kwBrdrs},
    {"brdrth", kwBrdrth},
    {"brdrdb", kwBrdrdb},
    {"brdrdot", kwBrdrdot},
    {"brdrdash", kwBrdrdash},
    {"brdrhair", kwBrdrhair},
    {"brdrnone", kwBrdrnone},
    {"brdrtriple", kwBrdrtriple},
    {"brdrw", kwBrdrw},
    {"brdrcf", kwBrdrcf},
    {"pnlvlblt", kwPnlvlblt},
    {"pnlvlbody", kwPnlvlbody},
    {"pnlvlcont", kwPnlvlcont},
    {"pnlvl", kwPnlvl},
    {"pndec", kwPndec},
    {"pnucltr", kwPnucltr},
    {"pnlcltr", kwPnlcltr},
    {"pnucrm", kwPnucrm},
    {"pnlcrm", kwPnlcrm},
    {"pnstart", kwPnstart},
    {"trowd", kwTrowd},
    {"cellx", kwCellx},
    {"clmgf", kwClmgf},
    {"clmrg", kwClmrg},
    {"clvmgf", kwClvmgf},
    {"clvmrg", kwClvmrg},
    {"clcbpat", kwClcbpat},
    {"clbrdrt", kwClbrdrt},
    {"clbrdrl", kwClbrdrl},
    {"clbrdrb", kwClbrdrb},
    {"clbrdrr", kwClbrdrr},
    {"trbrdrt", kwTrbrdrt},
    {"trbrdrl", kwTrbrdrl},
    {"trbrdrb", kwTrbrdrb},
    {"trbrdrr", kwTrbrdrr},
    {"trleft", kwTrleft},
    {"trgaph", kwTrgaph},
    {"cell", kwCell},
    {"row", kwRow},
    {"nestcell", kwNestcell},
    {"nestrow", kwNestrow},
    {"par", kwPar},
    {"line", kwLine},
    {"tab", kwTab},
    {"page", kwPage},
    {"sect", kwSect},
    {"emdash", kwEmdash},
    {"endash", kwEndash},
    {"bullet", kwBullet},
    {"lquote", kwLquote},
    {"rquote", kwRquote},
    {"ldblquote", kwLdblquote},
    {"rdblquote", kwRdblquote},
    {"emspace", kwEmspace},
    {"enspace", kwEnspace},
    {"qmspace", kwQmspace},
    {"zwj", kwZwj},
    {"zwnj", kwZwnj},
    {"ltrmark", kwLtrmark},
    {"rtlmark", kwRtlmark},
    {"zwbo", kwZwbo},
    {"zwnbo", kwZwnbo},
    {"column", kwColumn},
    {"u", kwU},
    {"uc", kwUc},
    {"bin", kwBin},
    {"ansicpg", kwAnsicpg},
    {"ansi", kwAnsi},
    {"mac", kwMac},
    {"pc", kwPc},
    {"pca", kwPca},
    {"deff", kwDeff},
    {"fcharset", kwFcharset},
    {"cpg", kwCpg},
    {"red", kwRed},
    {"green", kwGreen},
    {"blue", kwBlue},
    {"picw", kwPicw},
    {"pich", kwPich},
    {"picwgoal", kwPicwgoal},
    {"pichgoal", kwPichgoal},
    {"picscalex", kwPicscalex},
    {"picscaley", kwPicscaley},
    {"pngblip", kwPngblip},
    {"jpegblip", kwJpegblip},
    {"emfblip", kwEmfblip},
    {"wmetafile", kwWmetafile},
    {"dibitmap", kwDibitmap},
    {"wbitmap", kwWbitmap},
    {"macpict", kwMacpict},
    {"pmmetafile", kwPmmetafile},
};

// The key of a name: its length and its first two and last two letters, mixed. Names that
// share a key (few do) are told apart by the full compare after it.
constexpr std::uint32_t Hash(const char* Name, std::size_t Length) {
  const auto at = [&](std::size_t i) -> std::uint64_t {
    return i < Length ? static_cast<unsigned char>(Name[i]) : 0;
  };
  const std::uint64_t key = Length | at(0) << 8 | at(1) << 16 |
                            (Length >= 2 ? at(Length - 2) : 0) << 24 |
                            (Length >= 1 ? at(Length - 1) : 0) << 32;
  return static_cast<std::uint32_t>((key * 0x9E3779B97F4A7C15ull) >> 32);
}

constexpr std::size_t TableSize = 1024;

struct TSlot {
  std::uint32_t Hash = 0;
  std::uint16_t Entry = 0; // index into Words plus one, 0 for empty
  std::uint8_t Length = 0;
};

struct TTable {
  std::array<TSlot, TableSize> Slots{};
  constexpr TTable() {
    for (std::size_t i = 0; i < std::size(Words); ++i) {
      const std::uint32_t h = Hash(Words[i].Name.data(), Words[i].Name.size());
      std::size_t slot = h & (TableSize - 1);
      while (Slots[slot].Entry)
        slot = (slot + 1) & (TableSize - 1);
      Slots[slot] = {h, static_cast<std::uint16_t>(i + 1),
                     static_cast<std::uint8_t>(Words[i].Name.size())};
    }
  }
};

constexpr TTable Table;

} // namespace

TRtfWord LookupControlWord(std::string_view Name) {
  if (Name.size() > 255) return kwUnknown;
  const std::uint32_t h = Hash(Name.data(), Name.size());
  for (std::size_t slot = h & (TableSize - 1); Table.Slots[slot].Entry;
       slot = (slot + 1) & (TableSize - 1)) {
    const TSlot& s = Table.Slots[slot];
    if (s.Hash != h || s.Length != Name.size()) continue;
    const char* known = Words[s.Entry - 1].Name.data();
    std::size_t i = 0;
    while (i < Name.size() && known[i] == Name[i])
      ++i;
    if (i == Name.size()) return Words[s.Entry - 1].Word;
  }
  return kwUnknown;
}
