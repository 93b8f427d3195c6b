#pragma once
// Says how each action of the window ended, once, to a screen reader: "Write config done.
// Eeprom verify success", "Write config failed: Backup failed: nothing was written to the
// device.". A failure whose box was the last word says nothing more; an action that told nothing
// (a cancelled file dialog) is not announced. Meanwhile the log's lines go out in batches, and at
// the end the log's caret stands on its newest line.

#include <QObject>
#include <QString>

class QPlainTextEdit;

namespace korvex::app {

class ActionAnnouncer final : public QObject {
    Q_OBJECT
  public:
    ActionAnnouncer(QPlainTextEdit& log, QObject* parent);

    void begin(const QString& action);
    void end(bool succeeded);
    // Tells the screen reader `text` at once.
    void say(const QString& text);
    // What was said last (the announcement's accessible name).
    const QString& said() const { return said_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QPlainTextEdit& log_;
    QString action_;
    int depth_ = 0;
    qsizetype logLength_ = 0;  // the log's length as the action began
    qsizetype boxAt_ = -1;     // the log's length when a box or dialog was last shown
    QString said_;
};

}  // namespace korvex::app
