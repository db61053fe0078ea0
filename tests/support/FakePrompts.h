#pragma once

#include "core/model/Prompts.h"

#include <QStringList>

#include <deque>

namespace vaz::test {

// The front of a queue, taken off it; `otherwise` when it is empty.
template <typename T>
T take(std::deque<T> &queue, T otherwise)
{
    if (queue.empty())
        return otherwise;
    T front = queue.front();
    queue.pop_front();
    return front;
}

// Records every message and question and answers from a queue.
class FakeMessages : public Messages {
public:
    void message(const QString &text) override { messages << text; }
    void about(const QString &text, const QString &title) override { messages << text, aboutTitles << title; }
    Answer question(const QString &text, const QString &title) override
    {
        questions << text, questionTitles << title;
        return take(answers, Answer::Cancel);
    }
    // Same queue; an empty one answers No.
    Answer yesNo(const QString &text, const QString &title) override
    {
        return answers.empty() ? (question(text, title), Answer::No) : question(text, title);
    }

    // Its own queue; an empty one goes on, as every command did before it asked.
    bool proceedDespite(const QString &, const QStringList &reasons, const QString &, const QString &) override
    {
        reasonLists << reasons;
        return take(proceedAnswers, true);
    }

    // Its own queue; an empty one is cancelled.
    QString askText(const QString &label, const QString &, const QString &text, int) override
    {
        questions << label, offered << text;
        return take(texts, QString());
    }

    QStringList messages, questions, questionTitles, aboutTitles, offered;
    std::deque<QString> texts;
    QList<QStringList> reasonLists;
    std::deque<Answer> answers;
    std::deque<bool> proceedAnswers;
};

// Hands out queued paths; an empty queue is a cancelled dialog.
class FakeFileDialogs : public FileDialogs {
public:
    QString openFileName(const QString &title, const QString &filter) override { return next(title, filter); }
    QString saveFileName(const QString &title, const QString &filter) override { return next(title, filter); }
    QString openDeviceName(const QString &title, const QString &current) override
    {
        return devicesOffered << current, next(title, {});
    }

    QStringList titles, filters, devicesOffered;
    std::deque<QString> paths;

private:
    QString next(const QString &title, const QString &filter)
    {
        titles << title, filters << filter;
        return take(paths, QString());
    }
};

}  // namespace vaz::test
