#include "files/TransferIni.h"

namespace laytime {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && IsSpace(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back()))
    text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view left, std::string_view right) {
  if (left.size() != right.size())
    return false;
  for (std::size_t i = 0; i < left.size(); ++i) {
    char a = left[i];
    char b = right[i];
    if (a >= 'a' && a <= 'z')
      a = static_cast<char>(a - 'a' + 'A');
    if (b >= 'a' && b <= 'z')
      b = static_cast<char>(b - 'a' + 'A');
    if (a != b)
      return false;
  }
  return true;
}

} // namespace

std::string AsciiUpperCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.push_back(text.substr(start, i - start));
    const bool crlf = c == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
    i += crlf ? 2 : 1;
    start = i;
  }
  if (start < text.size())
    lines.push_back(text.substr(start));
  return lines;
}

TTransferIni TTransferIni::Parse(std::string_view text) {
  TTransferIni ini;
  TSection* current = nullptr;
  for (std::string_view line : SplitLines(text)) {
    const std::string_view trimmed = TrimSpaces(line);
    if (!trimmed.empty() && trimmed.front() == '[') {
      const std::size_t close = trimmed.find(']');
      if (close == std::string_view::npos) {
        current = nullptr;
        continue;
      }
      current = &ini.SectionForWriting(TrimSpaces(trimmed.substr(1, close - 1)));
      continue;
    }
    const std::size_t equals = trimmed.find('=');
    if (current == nullptr || equals == std::string_view::npos)
      continue;
    const std::string_view key = TrimSpaces(trimmed.substr(0, equals));
    if (key.empty())
      continue;
    // Appended without a search: the first of repeated keys is the one FindValue finds, and a
    // file of many keys in one section is read in linear time.
    current->Keys.emplace_back(std::string(key),
                               std::string(TrimSpaces(trimmed.substr(equals + 1))));
  }
  return ini;
}

std::string TTransferIni::ToText() const {
  std::string text;
  for (const TSection& section : FSections) {
    text += '[';
    text += section.Name;
    text += "]\r\n";
    for (const auto& [key, value] : section.Keys) {
      text += key;
      text += '=';
      text += value;
      text += "\r\n";
    }
  }
  return text;
}

TTransferIni::TSection* TTransferIni::FindSection(std::string_view name) {
  const auto found = FIndex.find(AsciiUpperCase(name));
  return found == FIndex.end() ? nullptr : &FSections[found->second];
}

const TTransferIni::TSection* TTransferIni::FindSection(std::string_view name) const {
  const auto found = FIndex.find(AsciiUpperCase(name));
  return found == FIndex.end() ? nullptr : &FSections[found->second];
}

TTransferIni::TSection& TTransferIni::SectionForWriting(std::string_view name) {
  if (TSection* section = FindSection(name))
    return *section;
  FIndex.emplace(AsciiUpperCase(name), FSections.size());
  FSections.push_back(TSection{std::string(name), {}});
  return FSections.back();
}

void TTransferIni::Reindex() {
  FIndex.clear();
  for (std::size_t i = 0; i < FSections.size(); ++i)
    FIndex.emplace(AsciiUpperCase(FSections[i].Name), i);
}

void TTransferIni::WriteValue(std::string_view section, std::string_view key,
                              std::string_view value) {
  TSection& target = SectionForWriting(section);
  for (auto& [name, stored] : target.Keys) {
    if (SameName(name, key)) {
      stored = std::string(value);
      return;
    }
  }
  target.Keys.emplace_back(std::string(key), std::string(value));
}

void TTransferIni::EraseSection(std::string_view section) {
  const auto found = FIndex.find(AsciiUpperCase(section));
  if (found == FIndex.end())
    return;
  FSections.erase(FSections.begin() + static_cast<std::ptrdiff_t>(found->second));
  Reindex();
}

const std::string* TTransferIni::FindValue(std::string_view section, std::string_view key) const {
  const TSection* found = FindSection(section);
  if (found == nullptr)
    return nullptr;
  for (const auto& [name, value] : found->Keys) {
    if (SameName(name, key))
      return &value;
  }
  return nullptr;
}

bool TTransferIni::SectionExists(std::string_view section) const {
  return FindSection(section) != nullptr;
}

std::vector<std::string> TTransferIni::SectionNames() const {
  std::vector<std::string> names;
  names.reserve(FSections.size());
  for (const TSection& section : FSections)
    names.push_back(section.Name);
  return names;
}

} // namespace laytime
