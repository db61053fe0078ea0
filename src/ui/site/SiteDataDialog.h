#pragma once

#include "core/site/SiteData.h"

#include <QDialog>

#include <array>

class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QStandardItemModel;
class QTableView;

namespace vaz {

class Session;

// Site ▸ Site data: names, people, notes, the zones' names and the loops'
// cables. It edits a copy; the shell stores result() as one step when the
// window is accepted.
class SiteDataDialog : public QDialog {
    Q_OBJECT

public:
    SiteDataDialog(Session &session, QWidget *owner);

    // Fills the window from the configuration as it is now and shows it.
    void openWindow();
    // The site data as it is now, with the window's fields.
    site::SiteData result() const;

private:
    void checkZoneNames();

    Session &session_;
    site::SiteData shown_;
    QLineEdit *siteName_ = nullptr, *siteAddress_ = nullptr, *engineer_ = nullptr, *company_ = nullptr;
    QPlainTextEdit *notes_ = nullptr;
    QStandardItemModel *zones_ = nullptr;
    QTableView *zoneTable_ = nullptr;
    QLabel *zoneProblem_ = nullptr;
    std::array<std::array<QLineEdit *, 3>, 4> cables_{};
    QDialogButtonBox *buttons_ = nullptr;
};

}  // namespace vaz
