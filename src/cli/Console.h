#pragma once

#include "core/model/Prompts.h"

#include <QObject>
#include <QString>

namespace vaz::cli {

// Where a command's output goes: rows on standard output, messages as one line
// each on standard error. Messages from the engine arrive here too; nobody can
// answer a question, so every question is declined.
class Console : public Messages {
public:
    virtual void out(const QString &text) = 0;
    virtual void err(const QString &line) = 0;
    // Bytes as they are on standard output (a CSV given "-"); false when they
    // did not all get there.
    virtual bool write(const QByteArray &bytes) = 0;
    // Replaces the progress line; shown only on a terminal and without --quiet.
    virtual void progress(const QString &) {}

    void message(const QString &text) override;
    Answer question(const QString &text, const QString &title) override;
};

// The process's own standard output and error.
class StdConsole : public Console {
public:
    explicit StdConsole(bool quiet);
    ~StdConsole() override;
    void out(const QString &text) override;
    void err(const QString &line) override;
    bool write(const QByteArray &bytes) override;
    void progress(const QString &line) override;

private:
    void endProgress();
    bool showProgress_ = false;
    bool progressShown_ = false;
};

// Turns Ctrl-C into a signal for as long as it lives, so that a transfer can
// end cleanly instead of the process dying with the port half written.
class InterruptWatch : public QObject {
    Q_OBJECT
public:
    InterruptWatch();
    ~InterruptWatch() override;
    bool interrupted() const { return interrupted_; }

signals:
    void interrupt();

private:
    bool interrupted_ = false;
};

}  // namespace vaz::cli
