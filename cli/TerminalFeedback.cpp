#include "cli/TerminalFeedback.h"

#include <iostream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define KORVEX_ISATTY _isatty
#define KORVEX_STDERR_FD 2
#else
#include <unistd.h>
#define KORVEX_ISATTY isatty
#define KORVEX_STDERR_FD STDERR_FILENO
#endif

namespace korvex::cli {

bool stderrIsTerminal() {
    return KORVEX_ISATTY(KORVEX_STDERR_FD) != 0;
}

TerminalFeedback::TerminalFeedback(std::ostream& out, std::ostream& err, bool showProgress)
    : out_(out), err_(err), showProgress_(showProgress) {}

TerminalFeedback::TerminalFeedback() : TerminalFeedback(std::cout, std::cerr, stderrIsTerminal()) {}

void TerminalFeedback::log(std::string_view line) {
    if (barDrawn_) {
        err_ << "\r\033[K" << std::flush;
        barDrawn_ = false;
    }
    out_ << line << '\n' << std::flush;
    lastLine_ = line;
}

void TerminalFeedback::information(std::string_view text) {
    err_ << text << '\n' << std::flush;
    toldErr_ = true;
}

void TerminalFeedback::message(std::string_view caption, std::string_view text) {
    err_ << caption << ": " << text << '\n' << std::flush;
    toldErr_ = true;
}

void TerminalFeedback::plainMessage(std::string_view text) {
    out_ << text << '\n' << std::flush;
}

void TerminalFeedback::error(std::string_view text) {
    err_ << text << '\n' << std::flush;
    toldErr_ = true;
}

void TerminalFeedback::warning(std::string_view line) {
    log(line);
    if (&out_ != &err_) {
        err_ << line << '\n' << std::flush;
    }
    toldErr_ = true;
}

int TerminalFeedback::finish(bool succeeded) {
    if (succeeded) {
        return 0;
    }
    if (!toldErr_ && !lastLine_.empty() && &out_ != &err_) {
        err_ << lastLine_ << '\n' << std::flush;
        toldErr_ = true;
    }
    return 1;
}

void TerminalFeedback::progressBegin(int max) {
    max_ = max;
    position_ = 0;
    drawProgress();
}

void TerminalFeedback::progressStep() {
    ++position_;
    drawProgress();
}

void TerminalFeedback::progressReset() {
    position_ = 0;
    if (showProgress_ && barDrawn_) {
        err_ << "\r\033[K" << std::flush;
        barDrawn_ = false;
    }
}

void TerminalFeedback::waiting(std::string_view what) {
    if (!showProgress_) {
        return;
    }
    err_ << "\r\033[K" << what << std::flush;
    barDrawn_ = !what.empty();
}

void TerminalFeedback::drawProgress() {
    if (!showProgress_ || max_ <= 0) {
        return;
    }
    constexpr int kWidth = 40;
    const int filled = position_ * kWidth / max_;
    err_ << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
         << position_ << "/" << max_ << std::flush;
    barDrawn_ = true;
}

}  // namespace korvex::cli
