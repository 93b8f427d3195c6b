#pragma once
// The one conversion between the core's single-byte texts (ISO-8859-1) and Qt's strings.

#include <QString>
#include <string>
#include <string_view>

namespace korvex::app {

inline QString fromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Characters outside ISO-8859-1 become '?'.
inline std::string toLatin1(const QString& text) {
    return text.toLatin1().toStdString();
}

}  // namespace korvex::app
