#include "app/dialogs/UsbAccessHelp.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

// The resource lives in a static library: the linker keeps it only when it is initialised.
static void initialiseHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace korvex::app {

namespace {

constexpr auto kRuleName = "70-korvex-mini.rules";
// Where the package (lib) or the user (etc) puts the rule.
constexpr const char* kRuleFolders[] = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d",
                                        "/lib/udev/rules.d"};

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

// The source tree that configured the build folder holding `programFolder` (build/bin).
QString sourceFolderOf(const std::filesystem::path& programFolder) {
    QFile cache(pathText(programFolder.parent_path() / "CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    static const QRegularExpression home(QStringLiteral("^CMAKE_HOME_DIRECTORY:INTERNAL=(.+)$"));
    QTextStream lines(&cache);
    for (QString line; lines.readLineInto(&line);) {
        const auto match = home.match(line);
        if (match.hasMatch() &&
            QFile::exists(match.captured(1) + QStringLiteral("/packaging/") + kRuleName)) {
            return match.captured(1);
        }
    }
    return {};
}

}  // namespace

UsbAccessFacts findUsbAccessFacts(const std::filesystem::path& programFolder) {
    initialiseHelpResource();
    UsbAccessFacts facts;
    QFile rule(QStringLiteral(":/help/") + kRuleName);
    if (rule.open(QIODevice::ReadOnly)) {
        facts.rule = QString::fromUtf8(rule.readAll());
    }
    for (const char* folder : kRuleFolders) {
        const QString path = QString::fromLatin1(folder) + QLatin1Char('/') + kRuleName;
        if (QFile::exists(path)) {
            facts.installedRule = path;
            break;
        }
    }
    facts.sourceFolder = sourceFolderOf(programFolder);
    return facts;
}

QString usbAccessHelp(const UsbAccessFacts& facts) {
    const QString reload =
        QStringLiteral("sudo udevadm control --reload-rules && sudo udevadm trigger\n");
    if (!facts.installedRule.isEmpty()) {
        return QStringLiteral(
                   "The configurator needs read and write access to the device's hidraw node. "
                   "This udev rule gives it and is installed already, as %1:\n\n%2\n"
                   "Nothing more is needed. Only a device that was plugged in before the rule "
                   "was put in place by hand needs to be unplugged and plugged in again.")
            .arg(facts.installedRule, facts.rule);
    }
    const QString intro = QStringLiteral(
                              "The configurator needs read and write access to the device's hidraw "
                              "node. Install this udev rule as "
                              "/etc/udev/rules.d/%1:\n\n%2\n")
                              .arg(QString::fromLatin1(kRuleName), facts.rule);
    if (!facts.sourceFolder.isEmpty()) {
        return intro + QStringLiteral(
                           "From the source tree, run:\n\nsudo install -m 644 "
                           "%1/packaging/%2 /etc/udev/rules.d/\n%3\n"
                           "and plug the device in again.")
                           .arg(facts.sourceFolder, QString::fromLatin1(kRuleName), reload);
    }
    return intro + QStringLiteral("Then run:\n\n%1\nand plug the device in again.").arg(reload);
}

}  // namespace korvex::app
