#pragma once

#include <QDialog>
#include <QString>

class QListWidget;

namespace vaz {

class Session;
class Fcihazverileri;

// The free addresses of the device window's selected loop for a new device.
// Loaded by each New device command and unloaded by OK and Cancel.
class YeniCihazSecimi : public QDialog {
    Q_OBJECT

public:
    YeniCihazSecimi(Session &session, Fcihazverileri *devices);

    QListWidget *list() const { return list_; }
    // The address label chosen in the list; OK hands it over.
    const QString &chosen() const { return SeciliDugum; }

    void Form_Load();
    void PrintAdresINListBox();
    void AdresList_Click();
    void AdresSecimOK_Click();
    void AdresSecimCNCL_Click();
    void unload();

signals:
    void unloaded();

protected:
    // Closed by its frame or Esc: as Cancel.
    void reject() override;

private:
    Session &session_;
    Fcihazverileri *devices_;
    QListWidget *list_ = nullptr;
    int SeciliCevrim = 0;
    QString SeciliDugum;
    bool gone_ = false;
};

}  // namespace vaz
