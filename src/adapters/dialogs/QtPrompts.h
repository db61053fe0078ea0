#pragma once

#include "core/model/Prompts.h"

#include <QPointer>
#include <QWidget>

class QFileDialog;

namespace vaz {

// The real message boxes.
class QtMessages : public Messages {
public:
    explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void message(const QString &text) override;
    void about(const QString &text, const QString &title) override;
    Answer question(const QString &text, const QString &title) override;
    Answer yesNo(const QString &text, const QString &title) override;
    bool proceedDespite(const QString &text, const QStringList &reasons, const QString &proceed,
                        const QString &title) override;
    QString askText(const QString &label, const QString &title, const QString &text, int maxLength) override;

private:
    QPointer<QWidget> parent_;
};

// One file dialog for every file command, so the name chosen last is offered next.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget *parent = nullptr);
    ~QtFileDialogs() override;
    QString openFileName(const QString &title, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &filter) override;
    QString saveFileName(const QString &title, const QStringList &filters, QString *chosen) override;
    QString openDeviceName(const QString &title, const QString &current) override;

private:
    QString run(const QString &title, const QString &filter, bool save);
    QFileDialog *dialog();
    QPointer<QWidget> parent_;
    QFileDialog *dialog_ = nullptr;
    QString last_;
};

// The name chosen last, with the extension the filter asks for: a report's PDF
// is proposed as NAME.pdf, never as the configuration file it was made from.
QString nameForFilter(const QString &last, const QString &filter);
// "csv" for "*.csv" or "CSV (*.csv)": the extension the (first) filter names.
QString filterSuffix(const QString &filter);

}  // namespace vaz
