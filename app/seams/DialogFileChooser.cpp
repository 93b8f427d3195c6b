#include "app/seams/DialogFileChooser.h"

#include <QStringList>
#include <system_error>

#include "app/seams/Latin1.h"
#include "device/TraceTransport.h"
#include "files/ConfigFile.h"
#include "files/RemoteUpdate.h"
#include "settings/FirmwareFile.h"

namespace korvex::app {

namespace {

using Mode = FileDialogRequest::Mode;

// The title of each dialog, by the kind of file and whether it is opened or saved.
struct DialogTitle {
    std::string_view filter;
    Mode mode;
    const char* title;
};

constexpr DialogTitle kTitles[] = {
    {kConfigFilter, Mode::Save, "Save configuration"},
    {kConfigFilter, Mode::Open, "Read configuration"},
    {kFirmwareFilter, Mode::Open, "Choose firmware file"},
    {kUpdateFilter, Mode::Save, "Save remote update file"},
    {kTraceFilter, Mode::Save, "Record USB trace"},
};

QString titleOf(Mode mode, std::string_view filter) {
    for (const auto& entry : kTitles) {
        if (entry.mode == mode && entry.filter == filter) {
            return QString::fromLatin1(entry.title);
        }
    }
    return mode == Mode::Save ? QStringLiteral("Save file") : QStringLiteral("Open file");
}

}  // namespace

QString qtNameFilter(std::string_view filter) {
    const QStringList parts = fromLatin1(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        QString pattern = parts[i + 1];
        pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString bracketed = QStringLiteral("(%1)").arg(pattern);
        entries.append(description.contains(bracketed)
                           ? description
                           : QStringLiteral("%1 %2").arg(description, bracketed));
    }
    return entries.join(QStringLiteral(";;"));
}

std::filesystem::path DialogFileChooser::startFolder(
    const std::filesystem::path& initialFolder) const {
    std::error_code error;
    if (userFolder_.empty() || std::filesystem::is_directory(initialFolder, error)) {
        return initialFolder;
    }
    const auto own = userFolder_ / initialFolder.filename();
    // When it cannot be made, the dialog opens where the toolkit chooses.
    std::filesystem::create_directories(own, error);
    return own;
}

std::optional<std::filesystem::path> DialogFileChooser::openFile(
    std::string_view filter, const std::filesystem::path& initialFolder) {
    return show(FileDialogRequest::Mode::Open, filter, initialFolder, {});
}

std::optional<std::filesystem::path> DialogFileChooser::saveFile(
    std::string_view filter, const std::filesystem::path& initialFolder,
    std::string_view proposedName) {
    return show(FileDialogRequest::Mode::Save, filter, initialFolder, proposedName);
}

std::optional<std::filesystem::path> DialogFileChooser::show(
    FileDialogRequest::Mode mode, std::string_view filter,
    const std::filesystem::path& initialFolder, std::string_view proposedName) {
    const QString key = action_ + QLatin1Char('\n') + QString::number(static_cast<int>(mode)) +
                        QLatin1Char('\n') + fromLatin1(filter);
    FileDialogRequest request;
    request.mode = mode;
    request.nameFilter = qtNameFilter(filter);
    request.folder = QString::fromStdU16String(startFolder(initialFolder).u16string());
    request.proposedName = lastChosen_.value(key, fromLatin1(proposedName));
    request.title = titleOf(mode, filter);

    const auto chosen = runner_.run(request);
    if (!chosen) {
        return std::nullopt;
    }
    lastChosen_.insert(key, *chosen);
    return std::filesystem::path(chosen->toStdU16String());
}

}  // namespace korvex::app
