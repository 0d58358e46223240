#include "model/uQVXmlParse.h"

#include "core/uQVError.h"
#include "model/uQVXML.h"

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <unistd.h>

namespace {

// Every DOM allocation is counted, and the total kept below a quarter of the physical memory:
// a hostile file of tiny elements would otherwise make the DOM many times larger than its
// text and exhaust the machine. Real documents need about their text's size.
std::atomic<std::size_t> DomBytes{0};
std::size_t DomLimit = 0;
constexpr std::size_t HeaderSize = alignof(std::max_align_t);

void* CountedAlloc(std::size_t Size) {
  const std::size_t total = Size + HeaderSize;
  if (DomBytes.fetch_add(total) + total > DomLimit) {
    DomBytes.fetch_sub(total);
    return nullptr;
  }
  auto* block = static_cast<unsigned char*>(std::malloc(total));
  if (!block) {
    DomBytes.fetch_sub(total);
    return nullptr;
  }
  *reinterpret_cast<std::size_t*>(block) = total;
  return block + HeaderSize;
}

void CountedFree(void* Pointer) {
  if (!Pointer) return;
  auto* block = static_cast<unsigned char*>(Pointer) - HeaderSize;
  DomBytes.fetch_sub(*reinterpret_cast<std::size_t*>(block));
  std::free(block);
}

struct TInstall {
  TInstall() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long page = sysconf(_SC_PAGESIZE);
    const std::size_t physical =
        pages > 0 && page > 0 ? static_cast<std::size_t>(pages) * static_cast<std::size_t>(page)
                              : std::size_t(4) << 30;
    DomLimit = physical / 4 > (std::size_t(1) << 30) ? physical / 4 : std::size_t(1) << 30;
    pugi::set_memory_management_functions(&CountedAlloc, &CountedFree);
  }
};
// Installed before any document exists: pugixml frees with the function it allocated with.
const TInstall Install;

void Check(const pugi::xml_parse_result& Result, const pugi::xml_document& Doc) {
  if (Result.status == pugi::status_out_of_memory)
    throw EQVError("The document is too large for the memory of this computer.");
  if (!Result)
    throw EQVError(std::string("The XML is not well-formed: ") + Result.description() +
                   " at byte " + std::to_string(Result.offset) + ".");
  if (!Doc.document_element()) throw EQVError("The XML holds no document element.");
}

} // namespace

void ParseXmlText(pugi::xml_document& Doc, std::string_view Text) {
  Check(Doc.load_buffer(Text.data(), Text.size(), XmlParseOptions, pugi::encoding_auto), Doc);
}

void ParseXmlInPlace(pugi::xml_document& Doc, char* Buffer, std::size_t Size) {
  Check(Doc.load_buffer_inplace(Buffer, Size, XmlParseOptions, pugi::encoding_auto), Doc);
}

void ParseXmlMinimalInPlace(pugi::xml_document& Doc, char* Buffer, std::size_t Size) {
  Check(Doc.load_buffer_inplace(Buffer, Size, pugi::parse_minimal, pugi::encoding_auto), Doc);
}
