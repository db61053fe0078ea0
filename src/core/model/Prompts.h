#pragma once

#include "core/model/Version.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace vaz {

// Title of plain messages and of boxes shown without a title of their own.
inline constexpr char kToolTitle[] = QT_TRANSLATE_NOOP("vaz", "VAZ Configuration");

enum class Answer { Ok, Yes, No, Cancel };

// How the tool talks to the user. Windows get the real boxes; tests replace
// them with recorders so that nothing modal ever blocks.
class Messages {
public:
    virtual ~Messages() = default;
    // A plain message: OK button, the tool's own title.
    virtual void message(const QString &text) = 0;
    // The About box: OK only, a title of its own.
    virtual void about(const QString &text, const QString &title)
    {
        Q_UNUSED(title);
        message(text);
    }
    // A question: Yes, No and Cancel, question icon, the command as title.
    virtual Answer question(const QString &text, const QString &title) = 0;
    // A question that cannot be put off: Yes and No only, question icon, the
    // command as title. Answer::Yes or Answer::No.
    virtual Answer yesNo(const QString &text, const QString &title)
    {
        return question(text, title) == Answer::Yes ? Answer::Yes : Answer::No;
    }
    // Reasons against a command, listed under the text: the command's own
    // button (`proceed`, "Upload anyway") and Cancel, Cancel the default. True
    // when the user goes on.
    virtual bool proceedDespite(const QString &text, const QStringList &reasons, const QString &proceed,
                                const QString &title)
    {
        Q_UNUSED(proceed);
        return yesNo(text + u'\n' + reasons.join(u'\n'), title) == Answer::Yes;
    }
    // A line of text, offered as `text` and at most maxLength long; a null
    // text when cancelled. Where no one can answer, it is cancelled.
    virtual QString askText(const QString &label, const QString &title, const QString &text, int maxLength)
    {
        Q_UNUSED(label);
        Q_UNUSED(title);
        Q_UNUSED(text);
        Q_UNUSED(maxLength);
        return {};
    }
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or an empty text when cancelled. The name chosen last is
    // offered next.
    virtual QString openFileName(const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &filter) = 0;
    // A device such as a serial port, starting at current (empty: no name). A
    // device is no file: the name offered next by the others stays as it was.
    virtual QString openDeviceName(const QString &title, const QString &current) = 0;
    // A save dialog that offers several kinds of file ("Excel workbook
    // (*.xlsx)"); *chosen is the filter the user left selected, the first
    // unless the dialog can tell.
    virtual QString saveFileName(const QString &title, const QStringList &filters, QString *chosen)
    {
        *chosen = filters.value(0);
        return saveFileName(title, filters.join(QStringLiteral(";;")));
    }
};

}  // namespace vaz
