#include "models/model_files.h"

#include <algorithm>
#include <cctype>
#include <unistd.h>

#include "models/model_error.h"

namespace forecast::models {

namespace fs = std::filesystem;

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::vector<fs::path> FilesNamedIgnoringCase(const fs::path& folder, const std::string& name) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (SameNameIgnoringCase(it->path().filename().string(), name)) found.push_back(it->path());
  }
  return found;
}

}  // namespace

std::optional<fs::path> FindInFolder(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  const std::vector<fs::path> found = FilesNamedIgnoringCase(folder, name);
  if (found.empty()) return std::nullopt;
  return found.front();
}

InputFile OpenInputFile(const fs::path& folder, const std::string& name) {
  const std::optional<fs::path> file = FindInFolder(folder, name);
  if (!file) throw ModelInputError(name + " is missing in " + folder.string() + ".");
  InputFile input;
  input.stream.open(*file, std::ios::binary | std::ios::ate);
  const std::streamoff size = input.stream ? static_cast<std::streamoff>(input.stream.tellg()) : -1;
  if (size < 0) throw ModelInputError(name + " cannot be opened.");
  if (size == 0) throw ModelInputError(name + " is empty.");
  input.size = static_cast<std::uint64_t>(size);
  input.stream.seekg(0);
  return input;
}

std::string ReadInputBytes(const fs::path& folder, const std::string& name) {
  InputFile input = OpenInputFile(folder, name);
  std::string bytes(input.size, '\0');
  if (!input.stream.read(bytes.data(), static_cast<std::streamsize>(input.size))) throw ModelInputError(name + " cannot be read.");
  return bytes;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> ReadInputLines(const fs::path& folder, const std::string& name) {
  return SplitLines(ReadInputBytes(folder, name));
}

void WriteOutputBytes(const fs::path& file, const std::string& bytes) {
  const fs::path temporary = file.parent_path() / ("." + file.filename().string() + "." + std::to_string(::getpid()) + ".part");
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (out) {
      out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
      out.flush();
      written = static_cast<bool>(out);
    }
  }
  std::error_code ec;
  if (written) fs::rename(temporary, file, ec);
  if (!written || ec) {
    fs::remove(temporary, ec);
    throw ModelInputError("Cannot write " + file.filename().string() + " in " + file.parent_path().string() + ".");
  }
}

void WriteOutputLines(const fs::path& file, const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) {
    bytes += line;
    bytes += "\r\n";
  }
  WriteOutputBytes(file, bytes);
}

void RemoveOutput(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  for (const fs::path& file : FilesNamedIgnoringCase(folder, name)) fs::remove(file, ec);
}

}  // namespace forecast::models
