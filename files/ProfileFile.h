#pragma once
// An INI text document held in memory: sections of key=value lines, looked up without regard to
// case, updated in place and written back whole with CRLF line ends. Lines it does not
// understand (comments, lines without '=') are kept as they stand.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "files/AtomicFile.h"

namespace korvex {

class ProfileFile {
  public:
    // Files larger than this are not read at all (a configuration file is about 12 KiB).
    static constexpr std::size_t kMaxFileSize = 16u * 1024u * 1024u;
    // At most this many characters of a value are taken on reading.
    static constexpr std::size_t kMaxValueLength = 2047;

    // An empty document.
    ProfileFile() = default;
    // The document of `text` (CRLF or LF line ends); throws std::length_error when the text is
    // longer than kMaxFileSize.
    explicit ProfileFile(std::string text);

    // The document on disk; nullopt when the file is missing, unreadable, not a regular file or
    // larger than kMaxFileSize.
    static std::optional<ProfileFile> load(const std::filesystem::path& path);

    // The value of `key` in the first section named `section` (the first entry wins): everything
    // after the entry's first '=' up to a NUL byte, at most kMaxValueLength characters of it;
    // nullopt when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string value(std::string_view section, std::string_view key,
                      std::string_view fallback) const;

    // Replaces the value of the key's first entry in place, or adds `key=value` after the last
    // entry of the section, or adds the section at the end of the document. A line break in
    // `value` ends the value there, so that no value can add lines of its own; so does a NUL.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole document, every line ended by CR LF.
    std::string text() const;
    // Writes text() to a temporary file beside `path` and renames it over `path`; false when
    // that fails, and the old file, if any, is then left as it was.
    bool save(const std::filesystem::path& path, FileAccess access = FileAccess::AsBefore) const;

  private:
    // Lines are named by ids: an original line by the offset of its first character in
    // original_, a line added later by kAddedBase plus its index in added_.
    static constexpr uint32_t kAddedBase = 0x80000000u;
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    struct Section {
        uint32_t header;       // line id of "[name]"
        uint32_t insertAfter;  // added keys follow this line: its last entry, else its last text
    };
    // One slot of the open-addressing index of section names (scope kNone, ref = section) and
    // of entries (scope = section, ref = line id). The name is kept as where it stands: nameAt
    // counts from the start of original_ for an original line, from the start of the line for
    // an added one (a new value keeps the key where it is).
    struct Slot {
        uint64_t hash = 0;
        uint32_t scope = kNone;
        uint32_t ref = kNone;
        uint32_t nameAt = 0;
        uint32_t nameSize = 0;
    };

    void parse();
    std::string_view lineText(uint32_t id) const;
    uint32_t addLine(std::string text);
    uint32_t addSection(std::string_view name);
    // The slot that holds `name` in `scope`, or the free slot where it would go.
    size_t probe(uint32_t scope, std::string_view name, uint64_t hash) const;
    std::optional<uint32_t> find(uint32_t scope, std::string_view name) const;
    // Indexes `name`, which lies within the text of line `line`, unless the scope holds that
    // name already: false then, and the index is left as it was.
    bool insert(uint32_t scope, std::string_view name, uint32_t ref, uint32_t line);
    const char* lineStart(uint32_t id) const;
    std::string_view slotName(const Slot& slot) const;

    std::string original_;
    std::deque<std::string> added_;                       // texts of added lines
    std::unordered_map<uint32_t, std::string> replaced_;  // original entries with a new value
    std::vector<Section> sections_;  // first occurrence of each section name, in order
    std::unordered_map<uint32_t, std::vector<uint32_t>> addedKeys_;  // per section, in order
    std::vector<uint32_t> appendedSections_;                         // sections added at the end
    std::vector<Slot> slots_;
    std::size_t usedSlots_ = 0;
};

}  // namespace korvex
