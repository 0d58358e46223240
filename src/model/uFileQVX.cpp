#include "model/uFileQVX.h"

#include "core/uQVError.h"
#include "model/uQVXmlParse.h"
#include "model/uQVXmlWriter.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <libdeflate.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

std::string_view QuilleryResource_NewFile();

namespace {

TQVFileOperation::TWriteFunction WriteFunction = &::write;

std::string Quoted(const std::string& FileName) {
  return "\"" + FileName + "\"";
}

std::string SystemError() {
  return std::strerror(errno);
}

// A file mapped for reading.
class TMappedFile {
public:
  explicit TMappedFile(const std::string& FileName) {
    FFd = open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (FFd < 0) throw EQVError("Cannot open " + Quoted(FileName) + ": " + SystemError() + ".");
    struct stat info {};
    if (fstat(FFd, &info) != 0 || !S_ISREG(info.st_mode)) {
      close(FFd);
      throw EQVError(Quoted(FileName) + " is not a regular file.");
    }
    FSize = static_cast<std::size_t>(info.st_size);
    if (FSize > 0) {
      void* data = mmap(nullptr, FSize, PROT_READ, MAP_PRIVATE | MAP_POPULATE, FFd, 0);
      if (data == MAP_FAILED) {
        close(FFd);
        throw EQVError("Cannot read " + Quoted(FileName) + ": " + SystemError() + ".");
      }
      FData = static_cast<const unsigned char*>(data);
    }
  }
  ~TMappedFile() { Close(); }
  TMappedFile(const TMappedFile&) = delete;
  TMappedFile& operator=(const TMappedFile&) = delete;
  void Close() {
    if (FData) munmap(const_cast<unsigned char*>(FData), FSize);
    if (FFd >= 0) close(FFd);
    FData = nullptr;
    FFd = -1;
  }
  const unsigned char* Data() const { return FData; }
  std::size_t Size() const { return FSize; }

private:
  int FFd = -1;
  const unsigned char* FData = nullptr;
  std::size_t FSize = 0;
};

bool LooksLikeText(const unsigned char* Data, std::size_t Size) {
  if (Size >= 3 && Data[0] == 0xEF && Data[1] == 0xBB && Data[2] == 0xBF) return true;
  for (std::size_t i = 0; i < Size && i < 64; ++i) {
    const unsigned char c = Data[i];
    if (c == '<') return true;
    if (c != ' ' && c != '\t' && c != '\r' && c != '\n') return false;
  }
  return false;
}

// Inflates a mapped data file into Out.
void InflateFile(const TMappedFile& File, const std::string& FileName, std::size_t Bound,
                 TQVMemory& Out) {
  if (File.Size() == 0) throw EQVError(Quoted(FileName) + " is empty.");
  switch (InflateZlib(File.Data(), File.Size(), Bound, Out)) {
  case TQVInflateResult::Ok:
    return;
  case TQVInflateResult::NotZlib:
    if (LooksLikeText(File.Data(), File.Size()))
      throw EQVError(Quoted(FileName) + " holds plain XML, not a Quillery data file.");
    throw EQVError(Quoted(FileName) + " is not a Quillery data file.");
  case TQVInflateResult::Damaged:
    throw EQVError(Quoted(FileName) + " is damaged or incomplete.");
  case TQVInflateResult::TooLarge:
    throw EQVError(Quoted(FileName) + " unpacks to more than " + std::to_string(Bound >> 30) +
                   " GiB; it is not opened.");
  case TQVInflateResult::NoMemory:
    throw EQVError("There is not enough memory to open " + Quoted(FileName) + ".");
  }
}

void ParseText(TQVXmlDocument& Doc, const std::string& What) {
  try {
    ParseXmlInPlace(Doc.Dom, Doc.Text.Data(), Doc.Text.Size());
  } catch (const EQVError& error) {
    throw EQVError(What + ": " + error.what());
  }
}

void WriteAll(int Fd, const void* Data, std::size_t Size) {
  const auto* p = static_cast<const char*>(Data);
  while (Size > 0) {
    const ssize_t written = WriteFunction(Fd, p, Size);
    if (written < 0) {
      if (errno == EINTR) continue;
      throw EQVError(SystemError());
    }
    if (written == 0) throw EQVError("the disk accepts no more data");
    p += written;
    Size -= static_cast<std::size_t>(written);
  }
}

std::string FolderOf(const std::string& Path) {
  const std::size_t slash = Path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return Path.substr(0, slash);
}

std::string NameOf(const std::string& Path) {
  const std::size_t slash = Path.rfind('/');
  return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

// Saving over a symbolic link writes the file it points to, so the link survives.
std::string ResolveTarget(const std::string& FileName) {
  struct stat info {};
  if (lstat(FileName.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
    char resolved[PATH_MAX];
    if (realpath(FileName.c_str(), resolved)) return resolved;
  }
  return FileName;
}

void SyncFolder(const std::string& Folder) {
  const int fd = open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    fsync(fd);
    close(fd);
  }
}

// The temporary file a save writes; removed unless it has been renamed into place.
class TTempFile {
public:
  explicit TTempFile(const std::string& Target) {
    FPath = FolderOf(Target) + "/." + NameOf(Target) + ".XXXXXX";
    FFd = mkostemp(FPath.data(), O_CLOEXEC);
    if (FFd < 0) throw EQVError(SystemError());
    struct stat info {};
    mode_t mode;
    if (stat(Target.c_str(), &info) == 0) {
      mode = info.st_mode & 07777;
      if (fchown(FFd, info.st_uid, info.st_gid) != 0) {
        // Keeping the owner is a courtesy; only root may give a file away.
      }
    } else {
      const mode_t mask = umask(0);
      umask(mask);
      mode = 0666 & ~mask;
    }
    fchmod(FFd, mode);
  }
  ~TTempFile() {
    if (FFd >= 0) close(FFd);
    if (!FPath.empty()) unlink(FPath.c_str());
  }
  TTempFile(const TTempFile&) = delete;
  TTempFile& operator=(const TTempFile&) = delete;
  int Fd() const { return FFd; }
  const std::string& Path() const { return FPath; }
  void Commit() {
    if (fsync(FFd) != 0) throw EQVError(SystemError());
    const int fd = FFd;
    FFd = -1;
    if (close(fd) != 0) throw EQVError(SystemError());
  }
  void RenameTo(const std::string& Target) {
    if (rename(FPath.c_str(), Target.c_str()) != 0) throw EQVError(SystemError());
    FPath.clear();
    SyncFolder(FolderOf(Target));
  }

private:
  std::string FPath;
  int FFd = -1;
};

// Reads the written file back: it must inflate (or, plain, read) to exactly Size bytes that
// parse and hold the expected number of notes.
void VerifyWritten(const std::string& Path, bool Compressed, std::size_t Size,
                   std::size_t ExpectedNotices) {
  TMappedFile file(Path);
  TQVXmlDocument doc;
  if (Compressed) {
    if (!LooksLikeZlib(file.Data(), file.Size()) || !doc.Text.Reserve(Size + 1))
      throw EQVError("the written file does not read back");
    libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
    if (!inflater) throw EQVError("not enough memory to check the written file");
    std::size_t usedIn = 0, produced = 0;
    const libdeflate_result result = libdeflate_zlib_decompress_ex(
        inflater, file.Data(), file.Size(), doc.Text.Data(), Size + 1, &usedIn, &produced);
    libdeflate_free_decompressor(inflater);
    if (result != LIBDEFLATE_SUCCESS || produced != Size || usedIn != file.Size())
      throw EQVError("the written file does not read back");
    doc.Text.SetSize(produced);
  } else {
    if (file.Size() != Size || !doc.Text.Reserve(Size + 1))
      throw EQVError("the written file does not read back");
    std::memcpy(doc.Text.Data(), file.Data(), Size);
    doc.Text.SetSize(Size);
  }
  file.Close();
  try {
    ParseXmlMinimalInPlace(doc.Dom, doc.Text.Data(), doc.Text.Size());
  } catch (const EQVError&) {
    throw EQVError("the written file does not parse");
  }
  if (CountNoticeElements(doc.Dom) != ExpectedNotices)
    throw EQVError("the written file does not hold every note");
}

void Save(const pugi::xml_document& Doc, const std::string& FileName, bool Compressed,
          bool MakeBackup, std::size_t ExpectedNotices) {
  const std::string target = ResolveTarget(FileName);
  try {
    TTempFile temp(target);
    std::size_t size = 0;
    if (Compressed) {
      TQVDeflater deflater([&temp](const unsigned char* Data, std::size_t Size) {
        WriteAll(temp.Fd(), Data, Size);
      });
      size = WriteXmlText(
          Doc, [&deflater](const char* Data, std::size_t Size) { deflater.Write(Data, Size); });
      deflater.Finish();
    } else {
      size = WriteXmlText(
          Doc, [&temp](const char* Data, std::size_t Size) { WriteAll(temp.Fd(), Data, Size); });
    }
    temp.Commit();
    VerifyWritten(temp.Path(), Compressed, size, ExpectedNotices);
    if (MakeBackup) {
      struct stat info {};
      if (stat(target.c_str(), &info) == 0) TQVFileOperation::BackupFile(target);
    }
    temp.RenameTo(target);
  } catch (const EQVError& error) {
    throw EQVError("Could not save " + Quoted(FileName) + ": " + error.what() + ".");
  }
}

bool CopyFile(const std::string& From, const std::string& To) {
  const int in = open(From.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  const int out = open(To.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (out < 0) {
    close(in);
    return false;
  }
  struct stat info {};
  if (fstat(in, &info) == 0) fchmod(out, info.st_mode & 07777);
  bool ok = true;
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = read(in, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      ok = got == 0;
      break;
    }
    try {
      WriteAll(out, buffer, static_cast<std::size_t>(got));
    } catch (const EQVError&) {
      ok = false;
      break;
    }
  }
  close(in);
  if (fsync(out) != 0) ok = false;
  if (close(out) != 0) ok = false;
  return ok;
}

} // namespace

void TQVXmlDocument::ReleaseTextBefore(const char* Position) {
  if (Position < Text.Data() || Position > Text.Data() + Text.Size()) return;
  Text.ReleaseBefore(static_cast<std::size_t>(Position - Text.Data()));
}

void TQVFileOperation::LoadCompressed(TQVXmlDocument& Doc, const std::string& FileName) {
  {
    TMappedFile file(FileName);
    InflateFile(file, FileName, MaxInflatedSize, Doc.Text);
  }
  ParseText(Doc, Quoted(FileName) + " is damaged");
}

void TQVFileOperation::LoadPlain(TQVXmlDocument& Doc, const std::string& FileName) {
  {
    TMappedFile file(FileName);
    if (file.Size() == 0) throw EQVError(Quoted(FileName) + " is empty.");
    if (file.Size() > MaxInflatedSize || !Doc.Text.Reserve(file.Size()))
      throw EQVError("There is not enough memory to open " + Quoted(FileName) + ".");
    std::memcpy(Doc.Text.Data(), file.Data(), file.Size());
    Doc.Text.SetSize(file.Size());
  }
  ParseText(Doc, Quoted(FileName) + " is not valid XML");
}

void TQVFileOperation::LoadTemplate(TQVXmlDocument& Doc) {
  const std::string_view resource = QuilleryResource_NewFile();
  if (resource.empty() || !Doc.Text.Reserve(resource.size()))
    throw EQVError("The template for new documents is missing.");
  std::memcpy(Doc.Text.Data(), resource.data(), resource.size());
  Doc.Text.SetSize(resource.size());
  ParseText(Doc, "The template for new documents is damaged");
}

void TQVFileOperation::SaveCompressed(const pugi::xml_document& Doc, const std::string& FileName,
                                      bool MakeBackup, std::size_t ExpectedNotices) {
  Save(Doc, FileName, true, MakeBackup, ExpectedNotices);
}

void TQVFileOperation::SavePlain(const pugi::xml_document& Doc, const std::string& FileName,
                                 std::size_t ExpectedNotices) {
  Save(Doc, FileName, false, false, ExpectedNotices);
}

bool TQVFileOperation::BackupFile(const std::string& FileName) {
  const std::string backup = FileName + ".bak";
  const std::string fresh = backup + ".new";
  unlink(fresh.c_str());
  // A second name for the old file costs nothing and is as good as a copy: saving never
  // writes into the old file, it replaces it by renaming.
  bool made = link(FileName.c_str(), fresh.c_str()) == 0;
  if (!made) made = CopyFile(FileName, fresh);
  if (!made || rename(fresh.c_str(), backup.c_str()) != 0) {
    unlink(fresh.c_str());
    return false;
  }
  return true;
}

void TQVFileOperation::SetWriteFunction(TWriteFunction Function) {
  WriteFunction = Function ? Function : &::write;
}

std::size_t CountNoticeElements(const pugi::xml_document& Doc) {
  std::size_t count = 0;
  const pugi::xml_node top = Doc.document_element();
  pugi::xml_node node = top;
  while (node) {
    if (node.type() == pugi::node_element) {
      const char* name = node.name();
      if (std::strcmp(name, "Notice") == 0 || std::strcmp(name, "NoticeRoot") == 0) ++count;
    }
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != top && !node.next_sibling())
      node = node.parent();
    if (!node || node == top) break;
    node = node.next_sibling();
  }
  return count;
}
