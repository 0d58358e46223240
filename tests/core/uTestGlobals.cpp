#include "uTestGlobals.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <zlib.h>

std::string ReadFileBytes(const std::string& FileName) {
  std::ifstream in(FileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFileBytes(const std::string& FileName, const std::string& Bytes) {
  std::ofstream out(FileName, std::ios::binary | std::ios::trunc);
  out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
}

std::string ZlibInflate(const std::string& Compressed) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) throw std::runtime_error("inflateInit");
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Compressed.data()));
  stream.avail_in = static_cast<uInt>(Compressed.size());
  std::string out;
  char buffer[65536];
  int status;
  do {
    stream.next_out = reinterpret_cast<Bytef*>(buffer);
    stream.avail_out = sizeof buffer;
    status = inflate(&stream, Z_NO_FLUSH);
    if (status != Z_OK && status != Z_STREAM_END) {
      inflateEnd(&stream);
      throw std::runtime_error("zlib cannot inflate the stream");
    }
    out.append(buffer, sizeof buffer - stream.avail_out);
  } while (status != Z_STREAM_END);
  inflateEnd(&stream);
  return out;
}

std::string ZlibDeflate(const std::string& Plain, int Level) {
  uLongf size = compressBound(static_cast<uLong>(Plain.size()));
  std::string out(size, '\0');
  compress2(reinterpret_cast<Bytef*>(out.data()), &size,
            reinterpret_cast<const Bytef*>(Plain.data()), static_cast<uLong>(Plain.size()), Level);
  out.resize(size);
  return out;
}
