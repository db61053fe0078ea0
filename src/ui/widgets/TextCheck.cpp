#include "ui/widgets/TextCheck.h"

#include <QLineEdit>
#include <QValidator>

namespace vaz {

namespace {

class ProblemValidator : public QValidator {
public:
    ProblemValidator(std::function<QString(const QString &)> problem, QObject *parent)
        : QValidator(parent), problem_(std::move(problem))
    {}
    State validate(QString &input, int &) const override
    {
        reason = problem_(input);
        return reason.isEmpty() ? Acceptable : Invalid;
    }
    mutable QString reason;

private:
    std::function<QString(const QString &)> problem_;
};

}  // namespace

void guardTextBox(QLineEdit *box, std::function<QString(const QString &)> problem,
                  std::function<void(const QString &)> say)
{
    auto *validator = new ProblemValidator(problem, box);
    box->setValidator(validator);
    QObject::connect(box, &QLineEdit::inputRejected, box, [box, validator, problem, say] {
        // A maximum length refuses before the validator is asked.
        const QString why = !validator->reason.isEmpty() ? validator->reason : problem(box->text() + u'x');
        say(why);
        box->setToolTip(why);
    });
    QObject::connect(box, &QLineEdit::textEdited, box, [box, say] {
        say(QString());
        box->setToolTip(QString());
    });
}

}  // namespace vaz
