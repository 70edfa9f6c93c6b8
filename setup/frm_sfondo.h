#pragma once
// FrmSfondo: the backdrop that fills the screen under the program's windows and calls the setup window
// back to the front when clicked.
#include <QWidget>

class Applicazione;

class FrmSfondo : public QWidget {
    Q_OBJECT
public:
    explicit FrmSfondo(Applicazione& app);
    // Shows the backdrop, then the setup window in front of it.
    void Form_Load();
    bool chiusa() const { return chiusa_; }

protected:
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

private:
    void Form_Click();
    void Form_DblClick();

    Applicazione& app;
    bool chiusa_ = false;
};
