#include "platform/text_file.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace forecast::platform {

namespace {
std::filesystem::path TemporaryBeside(const std::filesystem::path& file) {
  static std::atomic<unsigned> counter{0};
  std::ostringstream name;
  name << '.' << file.filename().string() << '.' << ::getpid() << '.' << counter++ << ".tmp";
  return file.parent_path() / name.str();
}
}  // namespace

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  if (in.bad()) return std::nullopt;
  return lines;
}

bool WriteFileAtomically(const std::filesystem::path& file, const std::string& bytes) {
  const std::filesystem::path temporary = TemporaryBeside(file);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, file, ec);
  if (ec) {
    std::filesystem::remove(temporary, ec);
    return false;
  }
  return true;
}

bool WriteTextLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  return WriteFileAtomically(file, bytes);
}

bool IsUsableFile(const std::filesystem::path& file) {
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec) && std::filesystem::file_size(file, ec) > 0 && !ec;
}

bool RemoveFileIfExists(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
  return !ec;
}

bool CopyFileReplacing(const std::filesystem::path& source, const std::filesystem::path& target) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  return WriteFileAtomically(target, bytes);
}

}  // namespace forecast::platform
