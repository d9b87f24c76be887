// The about box: the version, the credits and the system information button. Modal.
#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class QLabel;
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
    void setSystemInformationTools(const QStringList &programs) { m_systemInformationTools = programs; }

    QLabel *lblVersion;       // the version
    QLabel *picIcon;          // the application's picture
    QPushButton *cmdOK;       // "OK": closes the box (Enter and Escape too)
    QPushButton *cmdSysInfo;  // "&Infos système...": the system information program

private slots:
    void startSysInfo();

private:
    std::unique_ptr<Prompter> m_prompter;
    QStringList m_systemInformationTools;
};

}  // namespace orbalis::ui
