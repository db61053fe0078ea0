#include "ui/shell/Fyeni.h"

#include "ui/shell/App.h"
#include "ui/widgets/ToolButton.h"
#include "ui/shell/lintor1.h"
#include "ui/widgets/ScreenFit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace vaz {

Fyeni::Fyeni(App &app, QWidget *owner) : QDialog(owner), app_(app)
{
    setObjectName(QStringLiteral("Fyeni"));
    setWindowTitle(tr("New"));

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolbarYeni"));
    bar->setAccessibleName(tr("New configuration commands"));
    bar->setIconSize(QSize(28, 28));
    auto button = [this, bar](const char *key, const char *tip, const char *description, const char *icon,
                              void (Fyeni::*handler)()) {
        QAction *a = addToolButton(bar, key, tip, icon, description);
        connect(a, &QAction::triggered, this, [this, handler] { app_.guarded([&] { (this->*handler)(); }); });
        return a;
    };
    setDialogKeys(button("BtCevSayOnay", QT_TRANSLATE_NOOP("vaz::ToolButton", "Save"), "Cevrim Secimi onaylama", "save",
                         &Fyeni::BtCevSayOnay_Click),
                  button("BtCevSayIptal", QT_TRANSLATE_NOOP("vaz::ToolButton", "Cancel"), "Cevrim sayisi iptal",
                         "cancel", &Fyeni::BtCevSayIptal_Click));

    auto *frame = new QGroupBox(tr("Number of loops"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *options = new QHBoxLayout(frame);
    for (int n : {2, 4}) {
        auto *b = new QRadioButton(QString::number(n), frame);
        b->setObjectName(QStringLiteral("CevSec%1").arg(n));
        connect(b, &QRadioButton::toggled, this, [this, n](bool on) {
            if (on)
                secilen_ = n;
        });
        options->addWidget(b);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(frame);
    setMinimumWidth(240);
    fitToScreen(this);
}

void Fyeni::BtCevSayOnay_Click()
{
    Config &cfg = app_.config();
    if (secilen_ < cfg.CevrimSayisi &&
        app_.messages().question(tr("Delete configuration data?"), tr("Exit")) != Answer::Yes)
        return;
    cfg.CevrimSayisi = secilen_;
    KontrolCevrimCihaz(cfg, app_.branchesBuilt());
    cfg.site = {};
    app_.siteFile = App::SiteFile::None;

    lintor1 *main = app_.mainWindow();
    main->afterNewConfiguration();
    if (cfg.CevrimSayisi == 2 || cfg.CevrimSayisi == 4)
        main->setDisplayLine1(kStatusNormal);
    main->showLamp();
    hide();
    // The device window must rebuild its tree for the new loop count.
    main->closeDevices();
    app_.setCurrentFile(QString());
    app_.startHistory();
    main->show();
    accept();
}

void Fyeni::BtCevSayIptal_Click()
{
    secilen_ = 0;
    reject();
}

void Fyeni::reject()
{
    hide();
    app_.mainWindow()->show();
    QDialog::reject();
}

}  // namespace vaz
