#pragma once
// The settings reference written out: as text for `korvex-cli explain`, as one HTML page (and one
// entry of it for the window's help), and as the scdoc source of the manual page
// korvex-settings(5). All of them show the same fields of the same entries.

#include <string>
#include <utility>
#include <vector>

#include "reference/SettingReference.h"

namespace korvex {

// The entry's fields as (heading, value) pairs, in the order every form shows them; fields
// without a value are left out. Latin-1.
std::vector<std::pair<std::string, std::string>> entryFields(const ReferenceEntry& entry);

// The entry as lines of text: the name, then one indented line per field. Latin-1.
std::string entryText(const ReferenceEntry& entry);

// The entry as an HTML fragment (a <section> whose id is the setting's name). UTF-8.
std::string entryHtml(const ReferenceEntry& entry);

// The whole reference as one HTML page: contents by tab, then every entry. UTF-8.
std::string referenceHtml(const std::vector<ReferenceEntry>& entries);

// The scdoc source of the manual page korvex-settings(5). UTF-8.
std::string referenceManPage(const std::vector<ReferenceEntry>& entries);

}  // namespace korvex
