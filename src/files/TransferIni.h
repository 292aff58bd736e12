// The text layer of transfer files: an INI text of sections with key=value lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace laytime {

/// An INI text held as the bytes of the file (Windows-1252), written and read by section and key.
///
/// Sections keep the order of their first writing and keys the order in which they were first
/// written; writing a key again replaces its value in place. Section and key names are compared
/// without regard to ASCII case, so a hand-made file may spell them as it likes. When a file
/// repeats a section the keys of both parts belong to it; when it repeats a key the first value
/// counts.
class TTransferIni {
public:
  /// Reads a text whose lines end with CR LF, LF or CR. A line "[name]" opens a section (blanks
  /// around the name are dropped); a line with "=" inside a section is a key, its name trimmed
  /// and its value taken without the blanks around it. Every other line is ignored.
  static TTransferIni Parse(std::string_view text);

  /// The whole text: each section as "[name]" followed by its "key=value" lines, every line
  /// ending with CR LF.
  std::string ToText() const;

  /// Stores `value` (bytes of the file) under `key`, creating the section and key as needed.
  void WriteValue(std::string_view section, std::string_view key, std::string_view value);
  /// Removes a section with all its keys; nothing when there is none.
  void EraseSection(std::string_view section);

  /// The value stored under `key`, or nullptr when the section or key is missing.
  const std::string* FindValue(std::string_view section, std::string_view key) const;
  bool SectionExists(std::string_view section) const;
  /// The names of the sections as the text spells them, in text order.
  std::vector<std::string> SectionNames() const;

private:
  struct TSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys;
  };

  TSection* FindSection(std::string_view name);
  const TSection* FindSection(std::string_view name) const;
  TSection& SectionForWriting(std::string_view name);
  void Reindex();

  std::vector<TSection> FSections;
  /// Upper-case name to position in FSections.
  std::unordered_map<std::string, std::size_t> FIndex;
};

/// ASCII upper case; bytes above 127 stay as they are.
std::string AsciiUpperCase(std::string_view text);

/// The lines of a text; CR LF, LF and CR end a line, and a text ending in a line break has no
/// empty last line.
std::vector<std::string_view> SplitLines(std::string_view text);

} // namespace laytime
