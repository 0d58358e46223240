#pragma once
// Reading and writing the data file (one zlib stream of UTF-8 XML), its plain XML form, the
// built-in template and the backup copy. Saving never touches the old file until the new one
// is complete on disk and has been read back.

#include "model/uQVZlib.h"

#include <cstddef>
#include <pugixml.hpp>
#include <string>
#include <sys/types.h>

// A DOM together with the text it was parsed from in place.
class TQVXmlDocument {
public:
  pugi::xml_document Dom;
  TQVMemory Text;
  // Frees the text before this point of the parse; the reader has passed it.
  void ReleaseTextBefore(const char* Position);
};

class TQVFileOperation {
public:
  static void LoadCompressed(TQVXmlDocument& Doc, const std::string& FileName);
  static void LoadPlain(TQVXmlDocument& Doc, const std::string& FileName);
  static void LoadTemplate(TQVXmlDocument& Doc);

  // Writes Doc to FileName through a temporary file in the same folder, flushed to disk and
  // read back: it must parse and hold ExpectedNotices notes, or the old file stays as it was
  // and an EQVError says why. With MakeBackup the old file becomes FileName + ".bak" first.
  static void SaveCompressed(const pugi::xml_document& Doc, const std::string& FileName,
                             bool MakeBackup, std::size_t ExpectedNotices);
  static void SavePlain(const pugi::xml_document& Doc, const std::string& FileName,
                        std::size_t ExpectedNotices);

  // Copies FileName to FileName + ".bak", replacing an older backup; false when it failed.
  static bool BackupFile(const std::string& FileName);

  // Tests put a failing write here to prove that a failed save loses nothing.
  using TWriteFunction = ssize_t (*)(int Fd, const void* Data, std::size_t Size);
  static void SetWriteFunction(TWriteFunction Function);
};

// How many "Notice" and "NoticeRoot" elements a DOM holds.
std::size_t CountNoticeElements(const pugi::xml_document& Doc);
