#include "ui/causeeffect/SebepSonuc.h"

#include "core/causeeffect/RuleLists.h"
#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceFilter.h"
#include "core/panel/DisplayText.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/TextCheck.h"
#include "ui/widgets/ScreenFit.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace vaz {

namespace {

QPushButton *button(QWidget *parent, const char *name, const char *caption)
{
    // Captions come marked with QT_TRANSLATE_NOOP("vaz::SebepSonuc", ...).
    auto *b = new QPushButton(QCoreApplication::translate("vaz::SebepSonuc", caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QGroupBox *countFrame(QWidget *parent, const char *caption, const char *labelName, QLabel **label)
{
    auto *frame = new QGroupBox(QCoreApplication::translate("vaz::SebepSonuc", caption), parent);
    *label = new QLabel(frame);
    (*label)->setObjectName(QString::fromLatin1(labelName));
    (*label)->setAccessibleDescription(frame->title().trimmed());  // the count stays its name
    (new QHBoxLayout(frame))->addWidget(*label);
    return frame;
}

QList<int> selectedRows(const QListWidget *list)
{
    QList<int> rows;
    for (const QModelIndex &i : list->selectionModel()->selectedIndexes())
        rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Space toggles the entry under the cursor and nothing else. Qt would also
// take the blank as a search and move on to the next entry, since every entry
// starts with one. Shift+click chooses the shown entries from the one last
// clicked or toggled.
class ChoiceList : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void(const QList<int> &)> rangeChosen;

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        const int row = indexAt(e->position().toPoint()).row();
        if (row >= 0 && e->button() == Qt::LeftButton && (e->modifiers() & Qt::ShiftModifier) && anchor_ >= 0 &&
            anchor_ < count() && rangeChosen) {
            QList<int> rows;
            for (int r = std::min(anchor_, row); r <= std::max(anchor_, row); ++r)
                if (!isRowHidden(r))
                    rows << r;
            setCurrentRow(row, QItemSelectionModel::NoUpdate);
            rangeChosen(rows);
            e->accept();
            return;
        }
        if (row >= 0)
            anchor_ = row;
        QListWidget::mousePressEvent(e);
    }

    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() != Qt::Key_Space || e->modifiers() != Qt::NoModifier) {
            QListWidget::keyPressEvent(e);
            return;
        }
        if (currentIndex().isValid()) {
            anchor_ = currentIndex().row();
            selectionModel()->select(currentIndex(), QItemSelectionModel::Toggle);
        }
        e->accept();
    }

private:
    int anchor_ = -1;
};

// Clears a list without its selection handling: the window decides what follows.
void emptyList(QListWidget *list)
{
    const QSignalBlocker quiet(list);
    list->clear();
}

}  // namespace

SebepSonuc::SebepSonuc(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("SebepSonuc"));
    setWindowTitle(tr("Cause-effect"));
    // The blank runs of the entries assume a blank half as wide as a digit.
    const QFont listFont(QStringLiteral("DejaVu Sans"));

    auto *nameLabel = new QLabel(tr("Name"), this);
    nameLabel->setObjectName(QStringLiteral("LabelIsim"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("SSismiText"));
    name_->setMaxLength(kRuleNameLength);
    name_->setPlaceholderText(tr("Max. 10 characters"));
    nameLabel->setBuddy(name_);
    ok_ = button(this, "SSonay", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "OK"));

    auto *conditionFrame = new QGroupBox(tr("Condition"), this);
    conditionFrame->setObjectName(QStringLiteral("FrameKosul"));
    auto *conditionLayout = new QHBoxLayout(conditionFrame);
    condition_ = new QButtonGroup(this);
    const struct {
        const char *name;
        const char *caption;
        int code;
    } options[] = {{"SSve", QT_TR_NOOP("AND"), kConditionAnd},
                   {"SSveya", QT_TR_NOOP("OR"), kConditionOr},
                   {"SSikili", QT_TR_NOOP("COINCIDENCE"), kConditionCoincidence}};
    for (const auto &o : options) {
        auto *b = new QRadioButton(tr(o.caption), conditionFrame);
        b->setObjectName(QString::fromLatin1(o.name));
        condition_->addButton(b, o.code);
        conditionLayout->addWidget(b);
    }

    //: Blanks put each word over its column of the list entries, in DejaVu Sans.
    auto *heading = new QLabel(tr("Loop       Address       Zone               Type"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(listFont);
    auto list = [&](const char *objectName, const char *accessible) {
        auto *l = new ChoiceList(this);
        l->setObjectName(QString::fromLatin1(objectName));
        l->setAccessibleName(tr(accessible));
        l->setSelectionMode(QAbstractItemView::MultiSelection);
        l->setFont(listFont);
        l->setUniformItemSizes(true);
        l->setMinimumSize(QFontMetrics(listFont).horizontalAdvance(GirisSatiri(4, 127, 48, 2)) + 40, 280);
        return l;
    };
    inputs_ = list("SSliste", QT_TR_NOOP("Input devices"));
    outputs_ = list("CikisListe", QT_TR_NOOP("Outputs"));
    // One list at a time: the inputs until Forward, then the outputs.
    inputs_->setProperty("shownWhen", QStringLiteral("choosing inputs"));
    outputs_->setProperty("shownWhen", QStringLiteral("choosing outputs"));

    checkAll_ = button(this, "CheckAll", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Select all"));
    clearAll_ = button(this, "ClearAll", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Clear all"));
    selectShown_ = button(this, "SelectShown", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Select shown"));
    clearShown_ = button(this, "ClearShown", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Clear shown"));
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("ListFilter"));
    filter_->setPlaceholderText(tr("Address, type, Z3 or location"));
    filter_->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    back_ = button(this, "geri", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "< Back"));
    forward_ = button(this, "devam", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Forward >"));
    cancel_ = button(this, "iptal", QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Cancel"));

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    guardTextBox(name_, ruleNameProblem, [this](const QString &why) { status_->showMessage(why); });

    auto *top = new QHBoxLayout;
    top->addWidget(nameLabel);
    top->addWidget(name_);
    top->addWidget(ok_);
    top->addStretch();
    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(selectShown_);
    filterRow->addWidget(clearShown_);
    auto *lists = new QGridLayout;
    lists->addLayout(filterRow, 0, 0);
    lists->addWidget(heading, 1, 0);
    lists->addWidget(inputs_, 2, 0);
    lists->addWidget(outputs_, 2, 0);
    auto *counts = new QHBoxLayout;
    counts->addWidget(checkAll_);
    counts->addWidget(clearAll_);
    counts->addStretch();
    counts->addWidget(
        countFrame(this, QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Input count "), "girisAdet", &inputCount_));
    counts->addWidget(
        countFrame(this, QT_TRANSLATE_NOOP("vaz::SebepSonuc", "Output count "), "cikisAdet", &outputCount_));
    auto *steps = new QHBoxLayout;
    steps->addStretch();
    steps->addWidget(back_);
    steps->addWidget(forward_);
    steps->addWidget(cancel_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(conditionFrame);
    layout->addLayout(lists);
    layout->addLayout(counts);
    layout->addLayout(steps);
    layout->addWidget(status_);

    auto guarded = [this](void (SebepSonuc::*handler)()) {
        return [this, handler] { session_.guarded([&] { (this->*handler)(); }); };
    };
    connect(name_, &QLineEdit::textChanged, ok_, [this] { ok_->setEnabled(true); });
    // Typing a name ends with Return, as in every other box that asks for one.
    connect(name_, &QLineEdit::returnPressed, ok_, [this] {
        if (ok_->isEnabled())
            ok_->click();
    });
    connect(ok_, &QPushButton::clicked, this, guarded(&SebepSonuc::SSonay_Click));
    connect(forward_, &QPushButton::clicked, this, guarded(&SebepSonuc::devam_Click));
    connect(back_, &QPushButton::clicked, this, guarded(&SebepSonuc::geri_Click));
    connect(cancel_, &QPushButton::clicked, this, guarded(&SebepSonuc::iptal_Click));
    connect(checkAll_, &QPushButton::clicked, this, guarded(&SebepSonuc::CheckAll_Click));
    connect(clearAll_, &QPushButton::clicked, this, guarded(&SebepSonuc::ClearAll_Click));
    connect(selectShown_, &QPushButton::clicked, this, guarded(&SebepSonuc::selectShown));
    connect(clearShown_, &QPushButton::clicked, this, guarded(&SebepSonuc::clearShown));
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
    for (QListWidget *l : {inputs_, outputs_})
        static_cast<ChoiceList *>(l)->rangeChosen = [this, l](const QList<int> &rows) {
            session_.guarded([&] { selectWithinLimit(l, rows); });
        };
    connect(inputs_, &QListWidget::itemSelectionChanged, this,
            [this] { session_.guarded([this] { SSliste_Click(); }); });
    connect(outputs_, &QListWidget::itemSelectionChanged, this,
            [this] { session_.guarded([this] { CikisListe_Click(); }); });
    connect(condition_, &QButtonGroup::idToggled, this, [this](int code, bool on) {
        if (on)
            session_.guarded([&] { conditionChosen(code); });
    });
    fitToScreen(this);
}

void SebepSonuc::openWindow()
{
    Form_Load();
    show();
    raise();
    activateWindow();
}

void SebepSonuc::openForRule(int r)
{
    Config &cfg = session_.config();
    if (r < 1 || r > cfg.SSsayisi)
        return;
    openWindow();
    draft_.editing = r;
    before_ = {cfg.SSismi(r), cfg.SSgirisler(r), cfg.SScikislar(r), cfg.SSkosul(r)};
    draft_.SSyeniIsim = before_.name;
    {
        const QSignalBlocker quiet(name_);
        name_->setText(before_.name);
    }
    name_->setEnabled(false);
    draft_.SSyerAyrildi = 1;
    inputs_->setEnabled(true);
    for (QPushButton *b : {checkAll_, clearAll_, selectShown_, clearShown_})
        b->setEnabled(true);
    storedInputs_ = storedRows(cfg, draft_, before_.inputs, false);
    selectRows(inputs_, storedInputs_);
    SSliste_Click(true);
    // As chosen by hand, so a condition the inputs do not allow is taken back.
    if (QAbstractButton *b = condition_->button(before_.condition))
        b->setChecked(true);
    inputs_->setFocus();
}

void SebepSonuc::selectRows(QListWidget *list, const QList<int> &rows)
{
    const QSignalBlocker quiet(list);
    for (int row : rows)
        if (QListWidgetItem *item = list->item(row))
            item->setSelected(true);
}

void SebepSonuc::Form_Load()
{
    Config &cfg = session_.config();
    draft_.editing = 0;
    draft_.SSadim = 0;
    draft_.GirisSecildi = 0;
    draft_.GirisSecimSayisi = 0;
    draft_.SSyerAyrildi = 0;

    emptyList(inputs_);
    emptyList(outputs_);
    inputs_->show();
    inputs_->setEnabled(false);
    outputs_->hide();
    cancel_->setEnabled(true);
    for (QWidget *w :
         {static_cast<QWidget *>(ok_), static_cast<QWidget *>(checkAll_), static_cast<QWidget *>(clearAll_),
          static_cast<QWidget *>(selectShown_), static_cast<QWidget *>(clearShown_), static_cast<QWidget *>(back_),
          static_cast<QWidget *>(forward_)})
        w->setEnabled(false);
    setConditionsEnabled(true);
    SecimiSil();
    {
        const QSignalBlocker quiet(name_);  // a fresh window: no change has been typed
        name_->clear();
    }
    {
        const QSignalBlocker quiet(filter_);  // nor a filter hiding entries of the last rule's
        filter_->clear();
    }
    name_->setEnabled(true);
    name_->setToolTip(QString());
    status_->clearMessage();
    inputCount_->clear();
    outputCount_->clear();
    inputs_->addItems(GirisCihazAl(cfg, draft_));
    inputDevices_ = rowDevices(false);
    speakEntries(inputs_, inputDevices_);
    applyFilter();
    name_->setFocus();
}

void SebepSonuc::SSonay_Click()
{
    Config &cfg = session_.config();
    const QString name = name_->text().trimmed();
    // Names pick rules in the tree and the lookup, so a second one would hide the first.
    if (!name.isEmpty() && SSbul(cfg, name) != 0) {
        session_.messages().message(QCoreApplication::translate("vaz", kDuplicateNameMessage));
        name_->setFocus();
        name_->selectAll();
        return;
    }
    if (cfg.SSsayisi >= kMaxRules) {
        session_.messages().message(QCoreApplication::translate("vaz", kRuleLimitMessage));
        return;
    }
    draft_.SSyeniIsim = name;
    name_->setEnabled(false);
    ok_->setEnabled(false);
    SSyerAl(cfg, name);
    inputs_->setEnabled(true);
    draft_.SSyerAyrildi = 1;
    for (QPushButton *b : {checkAll_, clearAll_, selectShown_, clearShown_})
        b->setEnabled(true);
    inputs_->setFocus();
}

void SebepSonuc::SSliste_Click(bool limitToldAlready)
{
    Config &cfg = session_.config();
    SecimiSil();
    const QList<int> rows = selectedRows(inputs_);
    const ListClick click = SSlisteSecimi(cfg, draft_, rows);
    if (click.showCount)
        inputCount_->setText(QString::number(rows.size()));
    if (click.overLimit && !limitToldAlready)
        session_.messages().message(QCoreApplication::translate("vaz", kListLimitMessage));
    if (draft_.GirisSecildi == 0) {
        draft_.GirisSecimSayisi = 0;
        SecimiSil();
    }
}

void SebepSonuc::CikisListe_Click(bool limitToldAlready)
{
    forward_->setEnabled(false);
    const QList<int> rows = selectedRows(outputs_);
    const ListClick click = CikisListeSecimi(session_.config(), draft_, rows);
    outputCount_->setText(QString::number(rows.size()));
    if (click.overLimit && !limitToldAlready)
        session_.messages().message(QCoreApplication::translate("vaz", kListLimitMessage));
    forward_->setEnabled(click.forward);
}

void SebepSonuc::listClicked(QListWidget *list, bool limitToldAlready)
{
    if (list == inputs_)
        SSliste_Click(limitToldAlready);
    else
        CikisListe_Click(limitToldAlready);
}

void SebepSonuc::conditionChosen(int code)
{
    Config &cfg = session_.config();
    // Before OK no slot is ours, and no input can be recorded yet.
    if (draft_.SSyerAyrildi != 1) {
        SecimiSil();
        return;
    }
    cfg.SSkosul(draft_.slot(cfg)) = code;
    const bool enough = draft_.GirisSecildi == 1 && (code == kConditionOr || draft_.GirisSecimSayisi >= 2);
    if (enough)
        forward_->setEnabled(true);
    else
        SecimiSil();
}

void SebepSonuc::SecimiSil()
{
    forward_->setEnabled(false);
    condition_->setExclusive(false);
    for (QAbstractButton *b : condition_->buttons())
        b->setChecked(false);
    condition_->setExclusive(true);
}

void SebepSonuc::setConditionsEnabled(bool on)
{
    for (QAbstractButton *b : condition_->buttons())
        b->setEnabled(on);
}

QListWidget *SebepSonuc::visibleList() const { return draft_.SSadim == 0 ? inputs_ : outputs_; }

void SebepSonuc::CheckAll_Click()
{
    QListWidget *list = visibleList();
    std::vector<bool> selected(list->count(), false);
    for (int row : selectedRows(list))
        selected[row] = true;
    const SelectAll all = selectAllPrefix(selected);
    if (all.leading > 0) {
        // One selection change, handled once below with the final selection.
        const QSignalBlocker quiet(list);
        QAbstractItemModel *m = list->model();
        list->selectionModel()->select(QItemSelection(m->index(0, 0), m->index(all.leading - 1, 0)),
                                       QItemSelectionModel::Select);
    }
    if (all.overLimit)
        session_.messages().message(QCoreApplication::translate("vaz", kListLimitMessage));
    draft_.SeciliSayisi = 0;
    listClicked(list, all.overLimit);
}

void SebepSonuc::ClearAll_Click()
{
    QListWidget *list = visibleList();
    {
        const QSignalBlocker quiet(list);
        list->clearSelection();
    }
    listClicked(list, false);
}

std::vector<std::optional<DeviceAddress>> SebepSonuc::rowDevices(bool outputs) const
{
    const Config &cfg = session_.config();
    std::vector<std::optional<DeviceAddress>> rows((outputs ? outputs_ : inputs_)->count());
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            const int type = cfg.CihazTipi(L, A);
            const std::size_t row = std::size_t(draft_.ListeSirasi(L, A)) - 1;
            if (type != 0 && (outputs ? devices::isRuleOutput(type) : devices::isRuleInput(type)) && row < rows.size())
                rows[row] = DeviceAddress{L, A};
        }
    return rows;
}

// The entries line up columns with blanks, which a screen reader reads as a
// run of bare numbers.
void SebepSonuc::speakEntries(QListWidget *list, const std::vector<std::optional<DeviceAddress>> &devices) const
{
    const Config &cfg = session_.config();
    for (std::size_t row = 0; row < devices.size(); ++row)
        if (const auto &d = devices[row]; d)
            list->item(int(row))->setData(Qt::AccessibleTextRole,
                                          devices::spokenDevice(d->loop, d->address, cfg.BolgeNo(d->loop, d->address),
                                                                cfg.CihazTipi(d->loop, d->address),
                                                                cfg.MahalText(d->loop, d->address)));
}

void SebepSonuc::applyFilter()
{
    QListWidget *list = visibleList();
    const auto &devices = list == inputs_ ? inputDevices_ : outputDevices_;
    const QString text = filter_->text();
    const Config &cfg = session_.config();
    for (int row = 0; row < list->count(); ++row) {
        const std::optional<DeviceAddress> at = std::size_t(row) < devices.size() ? devices[row] : std::nullopt;
        list->setRowHidden(row, !(at ? deviceMatches(cfg, *at, text) : textMatches(list->item(row)->text(), text)));
    }
}

void SebepSonuc::selectWithinLimit(QListWidget *list, const QList<int> &rows)
{
    QList<int> selected = selectedRows(list);
    QList<int> adding;
    bool overLimit = false;
    for (int row : rows) {
        if (selected.contains(row))
            continue;
        if (selected.size() + adding.size() >= kMaxListChoice) {
            overLimit = true;
            break;
        }
        adding << row;
    }
    selectRows(list, adding);
    if (overLimit)
        session_.messages().message(QCoreApplication::translate("vaz", kListLimitMessage));
    listClicked(list, overLimit);
}

void SebepSonuc::selectShown()
{
    QListWidget *list = visibleList();
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (!list->isRowHidden(row))
            rows << row;
    selectWithinLimit(list, rows);
}

void SebepSonuc::clearShown()
{
    QListWidget *list = visibleList();
    {
        const QSignalBlocker quiet(list);
        for (int row = 0; row < list->count(); ++row)
            if (!list->isRowHidden(row))
                list->item(row)->setSelected(false);
    }
    listClicked(list, false);
}

void SebepSonuc::devam_Click()
{
    Config &cfg = session_.config();
    setConditionsEnabled(false);
    if (draft_.SSadim == 0) {
        outputs_->addItems(CikisCihazAl(cfg, draft_));
        outputDevices_ = rowDevices(true);
        speakEntries(outputs_, outputDevices_);
        draft_.SSadim = 1;
        applyFilter();
        back_->setEnabled(true);
        inputs_->hide();
        outputs_->show();
        forward_->setEnabled(false);
        if (draft_.editing > 0) {
            storedOutputs_ = storedRows(cfg, draft_, before_.outputs, true);
            selectRows(outputs_, storedOutputs_);
            CikisListe_Click(true);
        }
        outputs_->setFocus();
        return;
    }
    KayitlariDuzenle();
    draft_.SSyerAyrildi = 0;
    hide();
    QDialog::accept();
    leave();
}

void SebepSonuc::geri_Click()
{
    back_->setEnabled(false);
    forward_->setEnabled(true);
    inputs_->show();
    emptyList(outputs_);
    outputs_->hide();
    // The output list starts over, so its count does too.
    outputCount_->clear();
    draft_.SSadim = 0;
    applyFilter();
    setConditionsEnabled(true);
    inputs_->setFocus();
}

void SebepSonuc::iptal_Click() { reject(); }

void SebepSonuc::reject()
{
    session_.guarded([this] {
        Config &cfg = session_.config();
        if (const int r = draft_.editing; r > 0 && r <= cfg.SSsayisi) {
            cfg.SSismi(r) = before_.name, cfg.SSgirisler(r) = before_.inputs, cfg.SScikislar(r) = before_.outputs;
            cfg.SSkosul(r) = before_.condition;
        } else if (draft_.SSyerAyrildi == 1 && cfg.SSsayisi >= 1) {
            SSyerBirak(cfg);
        }
        draft_.editing = 0;
        // Not ours any more: a later Cancel must not give back another rule's slot.
        draft_.SSyerAyrildi = 0;
    });
    hide();
    QDialog::reject();
    leave();
}

void SebepSonuc::KayitlariDuzenle()
{
    Config &cfg = session_.config();
    vaz::KayitlariDuzenle(cfg, draft_);
    if (const int r = std::exchange(draft_.editing, 0); r > 0) {
        // Nothing chosen differently: the texts stay byte for byte, in whichever form they came.
        if (selectedRows(inputs_) == storedInputs_)
            cfg.SSgirisler(r) = before_.inputs;
        if (selectedRows(outputs_) == storedOutputs_)
            cfg.SScikislar(r) = before_.outputs;
        return;
    }
    emit ruleStored(draft_.SSyeniIsim);
}

void SebepSonuc::leave() { emit left(); }

}  // namespace vaz
