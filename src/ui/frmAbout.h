// The about box: the version, the credits and the system information button. Modal.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>

#include <memory>

#include "ui/desktop.h"

class QLabel;
class QMessageBox;
class QPushButton;

namespace orbalis {
class Prompter;
}

namespace orbalis::ui {

class Desktop;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Desktop &desktop);
    ~frmAbout() override;

    // The programs tried, in order, by "&Infos système..."; the first found on PATH is started.
    // Where none is installed, the button shows the program's own information (informationBox).
    void setSystemInformationTools(const QStringList &programs) { m_systemInformationTools = programs; }

    QLabel *lblVersion;       // the version
    QLabel *picIcon;          // the application's picture
    QPushButton *cmdOK;       // "OK": closes the box (Enter and Escape too)
    QPushButton *cmdSysInfo;  // "&Infos système...": the system information program
    // The program's own information (version, Qt, system, data), modal over the about box while it
    // is open; null otherwise.
    QMessageBox *informationBox() const;

private slots:
    void startSysInfo();

private:
    std::unique_ptr<Prompter> m_prompter;
    DataFiles m_data;
    QStringList m_systemInformationTools;
    QPointer<QMessageBox> m_informationBox;
};

}  // namespace orbalis::ui
