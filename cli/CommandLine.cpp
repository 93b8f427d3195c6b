#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "cli/DeviceChoice.h"
#include "settings/IntegerRule.h"
#include "settings/Version.h"

#ifndef KORVEX_PROGRAM_VERSION
#define KORVEX_PROGRAM_VERSION "unknown"
#endif

namespace korvex::cli {

namespace {

constexpr const char* kFooter =
    "Exit status: 0 success, 1 failure (message on stderr), 2 usage error.";

struct Subcommand {
    const Command* command;
    CLI::App* app;
};

void addNewStationOptions(CLI::App& sub, Arguments& given) {
    addValueOption(sub, "call", "--call", "CALL[-SSID]", "the station's callsign", given);
    addValueOption(sub, "ssid", "--ssid", "N", "the station's SSID, 0 to 15", given);
    addValueOption(sub, "role", "--role", "ROLE[,ROLE...]",
                   "fill-in-digi, wide-digi, igate, igate-tx, weather", given);
    addValueOption(sub, "position", "--position", "POSITION",
                   "decimal degrees, degrees and minutes (and seconds), the APRS fields or a "
                   "Maidenhead locator",
                   given);
    addValueOption(sub, "symbol", "--symbol", "SYMBOL",
                   "the beacon's symbol by name (igate, digi, house, wx, ...) or its two "
                   "characters (the roles' own when not given)",
                   given);
    addValueOption(sub, "server", "--server", "HOST", "the APRS-IS server", given);
    addValueOption(sub, "comment", "--comment", "TEXT", "the beacon's comment", given);
    addValueOption(sub, "www-password", "--www-password", "P",
                   "the web administration password (made up when not given)", given);
    addValueOption(sub, "telnet-password", "--telnet-password", "P",
                   "the Telnet administration password (made up when not given)", given);
    addFlagOption(sub, "force", "replace an existing file", given);
}

void addCommandOptions(CLI::App& sub, const Command& command, Arguments& given) {
    if (command.options & kNumberArguments) {
        sub.allow_extras();  // taken from remaining() in their order after parsing
    } else {
        sub.add_option("arguments", given.positional, std::string(command.usage))
            ->type_name("")
            ->expected(0, -1);
    }
    if (command.options & kOutputOption) {
        addValueOption(sub, "o", "-o,--output", "FILE", "the file to write", given);
    }
    if (command.options & kTimeOption) {
        addValueOption(sub, "time", "--time", "YYYY-MM-DDTHH:MM",
                       "take the clock fields and the image stamp from this UTC time", given);
    }
    if (command.options & kJsonOption) {
        addFlagOption(sub, "json", "print one JSON document instead of text", given);
    }
    if (command.options & kStrictOption) {
        addFlagOption(sub, "strict", "exit 1 when the station check finds a warning", given);
    }
    if (command.options & kVoltOption) {
        addValueOption(sub, "volt", "--volt", "V",
                       "put this measured voltage in for <volt> (13.8 when not given)", given);
    }
    if (command.options & kNewStationOptions) {
        addNewStationOptions(sub, given);
    }
    if (command.options & kDeviceOptions) {
        addDeviceOptions(sub, given);
    }
    if (command.options & kWriteSafetyOptions) {
        addFlagOption(sub, "no-verify", "do not read the pages back and compare them", given);
        addFlagOption(sub, "no-backup", "do not keep the device's image before writing", given);
        addValueOption(sub, "backup-dir", "--backup-dir", "DIR",
                       "keep the backup in DIR instead of the per-user backups folder", given);
        addFlagOption(sub, "dry-run",
                      "read the device and list the settings a write would change; write nothing",
                      given);
    }
    if ((command.options & kBackupDirOption) && !(command.options & kWriteSafetyOptions)) {
        addValueOption(sub, "backup-dir", "--backup-dir", "DIR",
                       "the backups folder instead of the per-user one", given);
    }
    if (command.options & kCompareDeviceOption) {
        addFlagOption(sub, "device", "also count the settings that differ from the device's",
                      given);
    }
    if (command.options & kTextOption) {
        addFlagOption(sub, "text", "compare the values as typed, not as the device stores them",
                      given);
    }
}

int usageFailure(const std::string& where, const std::string& what, const std::string& usage) {
    std::cerr << "korvex-cli" << where << ": " << what << "\n" << usage << "\n";
    return 2;
}

}  // namespace

int runCommandLine(int argc, char** argv) {
    CLI::App app("korvex-cli: the Korvex Mini Configurator's actions without a window",
                 "korvex-cli");
    app.footer(kFooter);
    app.set_version_flag("--version", "korvex-cli " KORVEX_PROGRAM_VERSION
                                      "\nconfiguration version " +
                                          std::string(kVersionText));
    app.require_subcommand(1);
    // Options start with '-' on every system, so that "/path/file.cfg" is a file on Windows too.
    app.allow_windows_style_options(false);
    Arguments before;  // the device options given before the command
    addDeviceOptions(app, before);
    Arguments given;
    std::vector<Subcommand> subcommands;
    for (const Command& command : commands()) {
        CLI::App* sub = app.add_subcommand(std::string(command.name), std::string(command.summary));
        sub->footer("korvex-cli " + std::string(command.name) + " " + std::string(command.usage) +
                    "\n\n" + kFooter);
        addCommandOptions(*sub, command, given);
        subcommands.push_back({&command, sub});
    }

    if (argc <= 1) {
        std::cerr << app.help();
        return 2;
    }
    const std::string first = argv[1];
    if (first == "help") {
        std::cout << app.help();
        return 0;
    }
    const auto known = [&first](const Subcommand& sub) { return sub.command->name == first; };
    if (first[0] != '-' && std::none_of(subcommands.begin(), subcommands.end(), known)) {
        return usageFailure("", "unknown command " + first,
                            "Run 'korvex-cli --help' for the commands.");
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& wrong) {
        for (const Subcommand& sub : subcommands) {
            if (sub.app->parsed()) {
                return usageFailure(" " + std::string(sub.command->name), wrong.what(),
                                    "Run 'korvex-cli " + std::string(sub.command->name) +
                                        " --help' for its usage.");
            }
        }
        return usageFailure("", wrong.what(), "Run 'korvex-cli --help' for the commands.");
    }

    for (const Subcommand& sub : subcommands) {
        if (!sub.app->parsed()) {
            continue;
        }
        const Command& command = *sub.command;
        if (command.options & kNumberArguments) {
            given.positional = sub.app->remaining();
        }
        try {
            for (const auto& [name, value] : before.options) {
                if (!(command.options & kDeviceOptions)) {
                    throw UsageError("option --" + name + " does not apply to this command");
                }
                if (!given.options.emplace(name, value).second) {
                    throw UsageError("option --" + name + " given twice");
                }
            }
            return command.run(given);
        } catch (const UsageError& usage) {
            return usageFailure(" " + std::string(command.name), usage.what(),
                                "Usage: korvex-cli " + std::string(command.name) + " " +
                                    std::string(command.usage));
        } catch (const NotAnInteger& notANumber) {
            std::cerr << notANumber.what() << "\n";
            return 1;
        } catch (const std::exception& failure) {
            std::cerr << failure.what() << "\n";
            return 1;
        }
    }
    return 2;
}

}  // namespace korvex::cli
