#include "reference/ReferenceDocument.h"

#include <cctype>

#include "settings/Latin1.h"
#include "settings/Version.h"

namespace korvex {

namespace {

std::string html(std::string_view latin1) {
    std::string out;
    for (const char c : latin1ToUtf8(latin1)) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// scdoc takes \, * and _ as markup; a line's leading "-" or "." would start a list or a request.
std::string scdoc(std::string_view latin1) {
    std::string out;
    for (const char c : latin1ToUtf8(latin1)) {
        if (c == '\\' || c == '*' || c == '_') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

std::string ruleLine(const AdviceRule& rule) {
    return std::string(severityWord(rule.severity)) + " " + std::string(rule.id) + ": " +
           std::string(rule.reason) + " (" + std::string(rule.reference) + ")";
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& part : parts) {
        out += (out.empty() ? "" : std::string(separator)) + part;
    }
    return out;
}

// The entries of one place (tab, inner page or dialog) follow each other in catalogue order.
template <typename Each>
void byPlace(const std::vector<ReferenceEntry>& entries, Each each) {
    for (size_t first = 0; first < entries.size();) {
        size_t end = first;
        while (end < entries.size() && entries[end].place == entries[first].place) {
            ++end;
        }
        each(first, end);
        first = end;
    }
}

std::string heading(const ReferenceEntry& entry) {
    return entry.place + " / " + entry.label;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> entryFields(const ReferenceEntry& entry) {
    std::vector<std::pair<std::string, std::string>> fields;
    const auto add = [&fields](std::string headingText, std::string value) {
        if (!value.empty()) {
            fields.emplace_back(std::move(headingText), std::move(value));
        }
    };
    add("Where", entry.group.empty() ? heading(entry)
                                     : entry.place + " / " + entry.group + " / " + entry.label);
    add("What it does", entry.text);
    add("Hint", entry.hint);
    add("Kind", entry.limit.empty() ? entry.kind : entry.kind + ", " + entry.limit);
    add("Entries", joined(entry.entries, ", "));
    add("Start-up value", entry.startValue);
    if (entry.section.empty()) {
        add("Configuration file", "not kept");
    } else {
        add("Configuration file", "[" + entry.section + "] " + entry.key + " (" + entry.form + ")");
        add("When the file lacks it", entry.loadDefault);
    }
    if (!entry.accepted.empty()) {
        add("Write config accepts", entry.accepted + ", else \"" + entry.checkMessage + "\"");
    }
    std::vector<std::string> rules;
    for (const AdviceRule* rule : entry.rules) {
        rules.push_back(ruleLine(*rule));
    }
    add("Station check", joined(rules, "; "));
    return fields;
}

std::string entryText(const ReferenceEntry& entry) {
    std::string out = std::string(entry.def->name) + "\n";
    for (const auto& [name, value] : entryFields(entry)) {
        out += "  " + name + ": " + value + "\n";
    }
    return out;
}

std::string entryHtml(const ReferenceEntry& entry) {
    std::string out = "<section id=\"" + html(entry.def->name) + "\">\n<h3>" + html(entry.label) +
                      " <code>" + html(entry.def->name) + "</code></h3>\n<dl>\n";
    for (const auto& [name, value] : entryFields(entry)) {
        out += "<dt>" + html(name) + "</dt><dd>";
        if (name == "Station check") {
            std::vector<std::string> items;
            for (const AdviceRule* rule : entry.rules) {
                items.push_back("<li>" + html(ruleLine(*rule)) + "</li>");
            }
            out += "<ul>" + joined(items, "") + "</ul>";
        } else {
            out += html(value);
        }
        out += "</dd>\n";
    }
    return out + "</dl>\n</section>\n";
}

std::string referenceHtml(const std::vector<ReferenceEntry>& entries) {
    const std::string title =
        std::string(kApplicationName) + " " + std::string(kVersionText) + ": settings reference";
    std::string out =
        "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
        html(title) +
        "</title>\n<style>\nbody { font-family: sans-serif; max-width: 60em; margin: auto; "
        "padding: 0 1em; }\nsection { border-top: 1px solid #ccc; }\ndt { font-weight: bold; "
        "float: left; clear: left; width: 13em; }\ndd { margin-left: 14em; }\nh3 code { "
        "font-weight: normal; }\n</style>\n</head>\n<body>\n<h1 id=\"top\">" +
        html(title) +
        "</h1>\n<p>Every setting of the configurator: where it is shown, what it does, the values "
        "it takes, its key in configuration files, what Write config accepts and the station "
        "check's rules that read it. <code>korvex-cli explain NAME</code> shows the same for one "
        "setting.</p>\n<nav>\n<h2>Contents</h2>\n<ul>\n";
    int place = 0;
    byPlace(entries, [&](size_t first, size_t end) {
        out += "<li><a href=\"#place-" + std::to_string(++place) + "\">" +
               html(entries[first].place) + "</a>: ";
        std::vector<std::string> links;
        for (size_t i = first; i < end; ++i) {
            links.push_back("<a href=\"#" + html(entries[i].def->name) + "\">" +
                            html(entries[i].def->name) + "</a>");
        }
        out += joined(links, ", ") + "</li>\n";
    });
    out += "</ul>\n</nav>\n";
    place = 0;
    byPlace(entries, [&](size_t first, size_t end) {
        out += "<h2 id=\"place-" + std::to_string(++place) + "\">" + html(entries[first].place) +
               "</h2>\n";
        for (size_t i = first; i < end; ++i) {
            out += entryHtml(entries[i]);
        }
    });
    return out + "</body>\n</html>\n";
}

std::string referenceManPage(const std::vector<ReferenceEntry>& entries) {
    std::string out =
        "korvex-settings(5)\n\n# NAME\n\nkorvex-settings - the settings of the Korvex Mini, "
        "their configuration file keys and checks\n\n# DESCRIPTION\n\nEvery setting of the " +
        scdoc(kApplicationName) +
        " and of *korvex-cli*(1), tab by tab: where it is shown, what it does, the values it "
        "takes, its section and key in configuration files (.cfg), what Write config accepts "
        "and the station check's rules that read it. *korvex-cli explain* NAME shows the same "
        "for one setting.\n\n";
    byPlace(entries, [&](size_t first, size_t end) {
        std::string place = entries[first].place;
        for (char& c : place) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        out += "# " + scdoc(place) + "\n\n";
        for (size_t i = first; i < end; ++i) {
            const ReferenceEntry& entry = entries[i];
            out += "## " + scdoc(entry.def->name) + "\n\n";
            for (const auto& [name, value] : entryFields(entry)) {
                out += "- " + scdoc(name) + ": " + scdoc(value) + "\n";
            }
            out += "\n";
        }
    });
    return out + "# SEE ALSO\n\n*korvex-cli*(1), *korvex-configurator*(1)\n";
}

}  // namespace korvex
