#include "files/ProfileFile.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <utility>

#include "files/AtomicFile.h"

namespace korvex {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    // Names are mostly looked up as they are written: one compare of the whole name first.
    if (a == b) {
        return true;
    }
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

uint64_t hashName(uint32_t scope, std::string_view name) {
    uint64_t hash = 0xcbf29ce484222325ull ^ scope;
    for (char c : name) {
        // Setting bit 5 folds the case of letters without a comparison per character (and a few
        // punctuation pairs with them, which only adds collisions: equality is checked exactly).
        hash = (hash ^ (static_cast<unsigned char>(c) | 0x20u)) * 0x100000001b3ull;
    }
    return hash ^ (hash >> 29);
}

// A line of the text without the CR of its CR LF end.
std::string_view withoutCr(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

// What one line of the text is.
struct LineKind {
    enum { Blank, Header, Entry, Other } kind = Other;
    std::string_view name;   // section name of a header, key of an entry
    std::string_view value;  // everything after the entry's first '='
};

LineKind classify(std::string_view line) {
    const std::string_view content = trimBlanks(line);
    if (content.empty()) {
        return {LineKind::Blank, {}, {}};
    }
    if (content.front() == '[') {
        const size_t close = content.find(']');
        if (close != std::string_view::npos) {
            return {LineKind::Header, trimBlanks(content.substr(1, close - 1)), {}};
        }
    }
    if (content.front() == ';') {
        return {LineKind::Other, {}, {}};
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {LineKind::Other, {}, {}};
    }
    return {LineKind::Entry, trimBlanks(line.substr(0, equals)), line.substr(equals + 1)};
}

}  // namespace

ProfileFile::ProfileFile(std::string text) : original_(std::move(text)) {
    if (original_.size() > kMaxFileSize) {
        throw std::length_error("profile text larger than the limit");
    }
    parse();
}

std::optional<ProfileFile> ProfileFile::load(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxFileSize) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(size), '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    return ProfileFile(std::move(text));
}

std::string_view ProfileFile::lineText(uint32_t id) const {
    if (id >= kAddedBase) {
        return added_[id - kAddedBase];
    }
    const size_t end = std::min(original_.find('\n', id), original_.size());
    return withoutCr({original_.data() + id, end - id});
}

void ProfileFile::parse() {
    uint32_t current = kNone;  // index of the section whose entries count, or kNone
    uint32_t lastEntry = kNone;
    uint32_t lastText = kNone;
    const auto closeSection = [&] {
        if (current != kNone) {
            sections_[current].insertAfter = lastEntry != kNone ? lastEntry : lastText;
        }
    };
    for (size_t start = 0; start < original_.size();) {
        const auto id = static_cast<uint32_t>(start);
        const size_t newline = original_.find('\n', start);
        const size_t end = newline == std::string::npos ? original_.size() : newline;
        const std::string_view text = withoutCr({original_.data() + start, end - start});
        start = newline == std::string::npos ? original_.size() : newline + 1;
        const LineKind line = classify(text);
        if (line.kind == LineKind::Header) {
            closeSection();
            current = static_cast<uint32_t>(sections_.size());
            sections_.push_back({id, id});
            if (!insert(kNone, line.name, current, id)) {
                sections_.pop_back();  // a later section of a name already seen: not looked at
                current = kNone;
            }
            lastEntry = kNone;
            lastText = id;
        } else if (line.kind == LineKind::Entry && current != kNone) {
            insert(current, line.name, id, id);  // the first entry of a key wins
            lastEntry = id;
            lastText = id;
        } else if (line.kind != LineKind::Blank) {
            lastText = id;
        }
    }
    closeSection();
}

std::optional<std::string> ProfileFile::value(std::string_view section,
                                              std::string_view key) const {
    const auto sectionIndex = find(kNone, trimBlanks(section));
    if (!sectionIndex) {
        return std::nullopt;
    }
    const auto line = find(*sectionIndex, trimBlanks(key));
    if (!line) {
        return std::nullopt;
    }
    const auto replacement = replaced_.find(*line);
    const std::string_view text =
        replacement != replaced_.end() ? std::string_view(replacement->second) : lineText(*line);
    // A NUL byte ends the value, as it ends the text the system's profile reader hands over.
    const std::string_view found = classify(text).value;
    return std::string(found.substr(0, std::min(found.find('\0'), kMaxValueLength)));
}

std::string ProfileFile::value(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    auto found = value(section, key);
    return found ? std::move(*found) : std::string(fallback);
}

uint32_t ProfileFile::addLine(std::string text) {
    added_.push_back(std::move(text));
    return kAddedBase + static_cast<uint32_t>(added_.size() - 1);
}

uint32_t ProfileFile::addSection(std::string_view name) {
    const uint32_t header = addLine("[" + std::string(name) + "]");
    const auto index = static_cast<uint32_t>(sections_.size());
    sections_.push_back({header, header});
    appendedSections_.push_back(index);
    insert(kNone, std::string_view(added_.back()).substr(1, name.size()), index, header);
    return index;
}

void ProfileFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    section = trimBlanks(section);
    key = trimBlanks(key);
    const auto existing = find(kNone, section);
    const uint32_t sectionIndex = existing ? *existing : addSection(section);
    if (const auto line = find(sectionIndex, key)) {
        const std::string_view old = lineText(*line);
        std::string updated(old.substr(0, old.find('=') + 1));
        updated += value;
        if (*line >= kAddedBase) {
            added_[*line - kAddedBase] = std::move(updated);
        } else {
            replaced_[*line] = std::move(updated);
        }
        return;
    }
    const uint32_t line = addLine(std::string(key) + "=" + std::string(value));
    addedKeys_[sectionIndex].push_back(line);
    insert(sectionIndex, std::string_view(added_.back()).substr(0, key.size()), line, line);
}

std::string ProfileFile::text() const {
    // Added keys of sections that the text held go after their insertion line.
    std::vector<std::pair<uint32_t, uint32_t>> insertions;  // (line id, section)
    for (const auto& [section, lines] : addedKeys_) {
        if (sections_[section].insertAfter < kAddedBase) {
            insertions.emplace_back(sections_[section].insertAfter, section);
        }
    }
    std::sort(insertions.begin(), insertions.end());

    std::string out;
    out.reserve(original_.size() + original_.size() / 16 + 64 * added_.size());
    const auto emit = [&out](std::string_view line) {
        out += line;
        out += "\r\n";
    };
    const auto emitAddedKeys = [&](uint32_t section) {
        const auto found = addedKeys_.find(section);
        if (found != addedKeys_.end()) {
            for (uint32_t line : found->second) {
                emit(lineText(line));
            }
        }
    };
    auto nextInsertion = insertions.begin();
    for (size_t start = 0; start < original_.size();) {
        const auto id = static_cast<uint32_t>(start);
        const size_t newline = original_.find('\n', start);
        start = newline == std::string::npos ? original_.size() : newline + 1;
        const auto replacement = replaced_.empty() ? replaced_.end() : replaced_.find(id);
        emit(replacement != replaced_.end() ? std::string_view(replacement->second) : lineText(id));
        for (; nextInsertion != insertions.end() && nextInsertion->first == id; ++nextInsertion) {
            emitAddedKeys(nextInsertion->second);
        }
    }
    for (uint32_t section : appendedSections_) {
        emit(lineText(sections_[section].header));
        emitAddedKeys(section);
    }
    return out;
}

bool ProfileFile::save(const std::filesystem::path& path, FileAccess access) const {
    return writeFileAtomically(path, text(), access);
}

const char* ProfileFile::lineStart(uint32_t id) const {
    return id >= kAddedBase ? added_[id - kAddedBase].data() : original_.data();
}

std::string_view ProfileFile::slotName(const Slot& slot) const {
    const uint32_t line = slot.scope == kNone ? sections_[slot.ref].header : slot.ref;
    return {lineStart(line) + slot.nameAt, slot.nameSize};
}

size_t ProfileFile::probe(uint32_t scope, std::string_view name, uint64_t hash) const {
    const size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    for (; slots_[i].ref != kNone; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash == hash && slot.scope == scope && equalIgnoringCase(slotName(slot), name)) {
            break;
        }
    }
    return i;
}

std::optional<uint32_t> ProfileFile::find(uint32_t scope, std::string_view name) const {
    if (slots_.empty()) {
        return std::nullopt;
    }
    const uint32_t ref = slots_[probe(scope, name, hashName(scope, name))].ref;
    return ref == kNone ? std::nullopt : std::optional<uint32_t>(ref);
}

bool ProfileFile::insert(uint32_t scope, std::string_view name, uint32_t ref, uint32_t line) {
    if ((usedSlots_ + 1) * 2 > slots_.size()) {
        std::vector<Slot> old(std::max<size_t>(64, slots_.size() * 2));
        old.swap(slots_);
        const size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.ref != kNone) {
                size_t i = slot.hash & mask;
                while (slots_[i].ref != kNone) {
                    i = (i + 1) & mask;
                }
                slots_[i] = slot;
            }
        }
    }
    const uint64_t hash = hashName(scope, name);
    const size_t i = probe(scope, name, hash);
    if (slots_[i].ref != kNone) {
        return false;
    }
    slots_[i] = {hash, scope, ref, static_cast<uint32_t>(name.data() - lineStart(line)),
                 static_cast<uint32_t>(name.size())};
    ++usedSlots_;
    return true;
}

}  // namespace korvex
