#pragma once

#include "core/site/SiteData.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QStandardItemModel;
class QTableView;

namespace vaz {

class Session;

// Site ▸ Loop and battery calculation: the currents per device type and the
// supply figures, with the results recomputed as they are typed. It stores
// nothing itself: the shell takes siteData() on OK and Apply.
class LoopCalcWindow : public QDialog {
    Q_OBJECT

public:
    LoopCalcWindow(Session &session, QWidget *owner);

    // Shows the site data as it is now; an empty table of currents is filled
    // with offered, which only OK or Apply stores.
    void openWindow(const QMap<int, site::Currents> &offered);
    // The site data with the window's figures.
    site::SiteData siteData() const;

signals:
    void applied();

private:
    void fill(const site::SiteData &site, const QMap<int, site::Currents> &offered);
    void recompute();
    void exportCsv();

    Session &session_;
    QStandardItemModel *currents_ = nullptr;
    QTableView *table_ = nullptr;
    QLineEdit *outputV_ = nullptr, *minimumV_ = nullptr, *panelQuiescent_ = nullptr, *panelAlarm_ = nullptr;
    QComboBox *method_ = nullptr, *standby_ = nullptr, *alarm_ = nullptr;
    QPlainTextEdit *results_ = nullptr;
    bool filling_ = false;
};

}  // namespace vaz
