#include "adapters/dialogs/QtPrompts.h"

#include "core/model/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

namespace vaz {

void QtMessages::message(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("vaz", kToolTitle), text, QMessageBox::Ok,
                    parent_);
    box.exec();
}

// The application's icon beside the text, as About boxes have.
void QtMessages::about(const QString &text, const QString &title) { QMessageBox::about(parent_, title, text); }

Answer QtMessages::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                    parent_);
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
    }
}

QString QtMessages::askText(const QString &label, const QString &title, const QString &text, int maxLength)
{
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    if (auto *edit = dialog.findChild<QLineEdit *>())
        edit->setMaxLength(maxLength);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

Answer QtMessages::yesNo(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);  // a stray Enter must not stop anything
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

bool QtMessages::proceedDespite(const QString &text, const QStringList &reasons, const QString &proceed,
                                const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::NoButton, parent_);
    // The first few in sight; the whole list scrolls under "Show Details...".
    constexpr int kShown = 5;
    QStringList shown = reasons.mid(0, kShown);
    if (reasons.size() > kShown)
        shown << QCoreApplication::translate("vaz::QtMessages", "… and %1 more").arg(reasons.size() - kShown);
    box.setInformativeText(shown.join(u'\n'));
    if (reasons.size() > kShown)
        box.setDetailedText(reasons.join(u'\n'));
    QAbstractButton *go = box.addButton(proceed, QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    // A stray Enter must not send what the user has not looked at.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == go;
}

QtFileDialogs::QtFileDialogs(QWidget *parent) : parent_(parent) {}

QtFileDialogs::~QtFileDialogs() { delete dialog_; }

QString QtFileDialogs::openFileName(const QString &title, const QString &filter) { return run(title, filter, false); }

QString QtFileDialogs::saveFileName(const QString &title, const QString &filter) { return run(title, filter, true); }

QString QtFileDialogs::saveFileName(const QString &title, const QStringList &filters, QString *chosen)
{
    const QString path = run(title, filters.join(QStringLiteral(";;")), true);
    *chosen = dialog_->selectedNameFilter();
    return path;
}

QFileDialog *QtFileDialogs::dialog()
{
    // Made on first use: most runs never open a file.
    if (!dialog_) {
        dialog_ = new QFileDialog(parent_);
        dialog_->setObjectName(QStringLiteral("CommonDialog1"));
        QObject::connect(dialog_, &QFileDialog::filterSelected, dialog_,
                         [d = dialog_](const QString &chosen) { d->setDefaultSuffix(filterSuffix(chosen)); });
    }
    return dialog_;
}

QString QtFileDialogs::openDeviceName(const QString &title, const QString &current)
{
    QFileDialog *d = dialog();
    d->setDefaultSuffix(QString());
    d->setWindowTitle(title);
    d->setNameFilter(QStringLiteral("All files (*)"));
    d->setAcceptMode(QFileDialog::AcceptOpen);
    d->setFileMode(QFileDialog::ExistingFile);
    d->setDirectory(current.isEmpty() ? QStringLiteral("/dev") : QFileInfo(current).absolutePath());
    d->selectFile(current.isEmpty() ? QString() : QFileInfo(current).fileName());
    const QString chosen =
        d->exec() == QDialog::Accepted && !d->selectedFiles().isEmpty() ? d->selectedFiles().constFirst() : QString();
    // Neither remembered: the next file command starts among the files, not the devices.
    d->selectFile(QString());
    return chosen;
}

QString QtFileDialogs::run(const QString &title, const QString &filter, bool save)
{
    dialog();
    // A name typed without extension gets the one the filter names.
    dialog_->setDefaultSuffix(filterSuffix(filter));
    dialog_->setWindowTitle(title);
    dialog_->setNameFilter(filter);
    dialog_->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog_->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The folder used last, this run or an earlier one; the very first time the
    // user's documents, not the list of drives.
    QString folder = last_.isEmpty() ? toolSettings()->value(QStringLiteral("lastFolder")).toString()
                                     : QFileInfo(last_).absolutePath();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(folder).isDir())
        folder = QDir::homePath();
    dialog_->setDirectory(folder);
    // Only a save proposes a name: an open that offers the file saved last offers the wrong kind of file.
    dialog_->selectFile(save && !last_.isEmpty() ? nameForFilter(last_, filter) : QString());
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return QString();
    last_ = dialog_->selectedFiles().constFirst();
    toolSettings()->setValue(QStringLiteral("lastFolder"), QFileInfo(last_).absolutePath());
    return last_;
}

QString filterSuffix(const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

QString nameForFilter(const QString &last, const QString &filter)
{
    const QString suffix = filterSuffix(filter);
    const QFileInfo info(last);
    if (suffix.isEmpty() || suffix == u"*" || info.suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return last;
    const QString base = info.suffix().isEmpty() ? last : last.chopped(info.suffix().size() + 1);
    return base + u'.' + suffix;
}

}  // namespace vaz
