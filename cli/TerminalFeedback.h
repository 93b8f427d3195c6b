#pragma once
// Feedback on a terminal: log lines and the firmware version on stdout, boxes on stderr, and a
// progress bar on stderr only when stderr is a terminal. A warning goes to both.

#include <iosfwd>
#include <string>
#include <string_view>

#include "settings/Feedback.h"

namespace korvex::cli {

class TerminalFeedback final : public Feedback {
  public:
    TerminalFeedback(std::ostream& out, std::ostream& err, bool showProgress);
    // On the process's own stdout and stderr.
    TerminalFeedback();

    void log(std::string_view line) override;
    void information(std::string_view text) override;
    void message(std::string_view caption, std::string_view text) override;
    void plainMessage(std::string_view text) override;
    void error(std::string_view text) override;
    void warning(std::string_view line) override;
    void progressBegin(int max) override;
    void progressStep() override;
    void progressReset() override;
    void keepResponsive() override {}
    void waiting(std::string_view what) override;
    void setActionsEnabled(bool) override {}

    // The exit status of a command that talks to the device: 0 when it succeeded; else 1, and
    // when nothing was said on stderr yet, the last log line is said there too.
    int finish(bool succeeded);

  private:
    void drawProgress();

    std::ostream& out_;
    std::ostream& err_;
    bool showProgress_;
    int max_ = 100;
    int position_ = 0;
    bool barDrawn_ = false;
    std::string lastLine_;
    bool toldErr_ = false;
};

// Whether the process's stderr is a terminal.
bool stderrIsTerminal();

}  // namespace korvex::cli
