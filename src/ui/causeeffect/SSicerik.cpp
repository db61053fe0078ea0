#include "ui/causeeffect/SSicerik.h"

#include "core/causeeffect/RuleLists.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/ScreenFit.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

namespace vaz {

namespace {

//: Blanks put each word over its column of the list entries, in DejaVu Sans.
const char kHeading[] = QT_TRANSLATE_NOOP("vaz::SSicerik", "Loop   Address   Zone   Type");

}  // namespace

SSicerik::SSicerik(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("SSicerik"));
    setWindowTitle(tr("Cause-effect configuration"));
    // The blank runs of the entries assume a blank half as wide as a digit.
    const QFont listFont(QStringLiteral("DejaVu Sans"));

    auto frame = [this](const char *caption, const char *objectName) {
        auto *f = new QGroupBox(tr(caption), this);
        f->setObjectName(QString::fromLatin1(objectName));
        return f;
    };
    auto list = [&](QGroupBox *f, const char *objectName) {
        auto *l = new QListWidget(f);
        l->setObjectName(QString::fromLatin1(objectName));
        l->setAccessibleName(f->title());
        l->setFont(listFont);
        l->setUniformItemSizes(true);
        return l;
    };
    auto label = [this](QWidget *parent, const char *objectName, const QString &text = {}) {
        auto *l = new QLabel(text, parent);
        l->setObjectName(QString::fromLatin1(objectName));
        return l;
    };

    QGroupBox *nameFrame = frame(QT_TR_NOOP("Name"), "FrameIsim");
    name_ = list(nameFrame, "SSicerikSira");
    name_->setMaximumHeight(QFontMetrics(listFont).height() * 2);
    condition_ = label(nameFrame, "SSicerikKosul");
    QFont bold = condition_->font();
    bold.setBold(true);
    condition_->setFont(bold);
    condition_->setAccessibleDescription(tr("Condition"));  // the condition stays its name
    auto *nameLayout = new QHBoxLayout(nameFrame);
    nameLayout->addWidget(name_, 1);
    nameLayout->addWidget(condition_);

    auto side = [&](const char *caption, const char *frameName, const char *listName, const char *headingName,
                    const char *countName, QListWidget **l, QLabel **count) {
        QGroupBox *f = frame(caption, frameName);
        QLabel *heading = label(f, headingName, tr(kHeading));
        heading->setFont(listFont);
        *l = list(f, listName);
        *count = label(f, countName);
        (*count)->setAccessibleDescription(tr(caption) + tr(" count"));
        auto *v = new QVBoxLayout(f);
        v->addWidget(heading);
        v->addWidget(*l);
        v->addWidget(*count);
        return f;
    };
    QGroupBox *in =
        side(QT_TR_NOOP("Inputs"), "FrameGiris", "SSicerikGiris", "Label1", "girisAdet2", &inputs_, &inputCount_);
    QGroupBox *out =
        side(QT_TR_NOOP("Outputs"), "FrameCikis", "SSicerikCikis", "Label3", "cikisAdet2", &outputs_, &outputCount_);
    const int width = QFontMetrics(listFont).horizontalAdvance(GirisSatiri(4, 127, 48, 2)) * 3 / 4;
    inputs_->setMinimumWidth(width);
    outputs_->setMinimumWidth(width);

    auto *close = new QPushButton(tr("Close window"), this);
    close->setObjectName(QStringLiteral("SSicerikKapat"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &SSicerik::reject);
    // The viewer closes first: what it shows may be about to change.
    auto action = [this](const char *name, const char *caption, void (SSicerik::*requested)(int)) {
        auto *b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, requested] {
            const int r = rule_;
            reject();
            emit(this->*requested)(r);
        });
        return b;
    };
    QPushButton *edit = action("MnEditRule", QT_TR_NOOP("Edit..."), &SSicerik::editRequested);
    QPushButton *duplicate = action("MnDuplicateRule", QT_TR_NOOP("Duplicate..."), &SSicerik::duplicateRequested);

    auto *sides = new QHBoxLayout;
    sides->addWidget(in);
    sides->addWidget(out);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(nameFrame);
    layout->addLayout(sides, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(edit);
    buttons->addWidget(duplicate);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    fitToScreen(this);
}

void SSicerik::openForRule(int rule)
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    const Config &cfg = session_.config();
    // Only rules that exist can be shown; anything else leaves the viewer shut.
    if (rule < 1 || rule > cfg.SSsayisi)
        return;
    rule_ = rule;
    Form_Load();
    show();
    raise();
    activateWindow();
}

void SSicerik::Form_Load()
{
    const Config &cfg = session_.config();
    const int r = rule_;
    // Undo may have taken the rule away: nothing is left to show.
    if (r < 1 || r > cfg.SSsayisi) {
        reject();
        return;
    }
    findChild<QPushButton *>(QStringLiteral("SSicerikKapat"))->setEnabled(true);
    name_->clear();
    name_->addItem(cfg.SSismi(r));
    condition_->setText(conditionText(cfg.SSkosul(r)));
    SSicerikGoruntule(r);
}

void SSicerik::SSicerikGoruntule(int r)
{
    const RuleView view = vaz::SSicerikGoruntule(session_.config(), r);
    inputs_->clear();
    outputs_->clear();
    for (const auto &[list, shown, words] :
         {std::tuple{inputs_, &view.inputs, &view.inputWords}, std::tuple{outputs_, &view.outputs, &view.outputWords}})
        for (qsizetype i = 0; i < shown->size(); ++i) {
            auto *item = new QListWidgetItem(shown->at(i), list);
            item->setData(Qt::AccessibleTextRole, words->value(i));
        }
    inputCount_->setText(QString::number(inputs_->count()) + tr(" device(s)"));
    outputCount_->setText(QString::number(outputs_->count()) + tr(" device(s)"));
}

void SSicerik::reject()
{
    hide();
    for (QListWidget *l : {name_, inputs_, outputs_})
        l->clear();
    condition_->clear();
    inputCount_->clear();
    outputCount_->clear();
    QDialog::reject();
}

}  // namespace vaz
