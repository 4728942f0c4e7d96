// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up window "Tempara", shown at program start and again as About.
#pragma once

#include <QDialog>

#include <functional>

class QCloseEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace app {

class Start : public QDialog {
    Q_OBJECT

public:
    // `uebergabe` runs at the hand-over (after 10 s or "OK"): at program start it loads and
    // shows the main window; as About it is empty, the main window being there already.
    Start(QWidget* eltern, std::function<void()> uebergabe);

    struct Ui {
        QLabel* Label1 = nullptr;  // product name
        QLabel* Label2 = nullptr;  // description
        QLabel* Label3 = nullptr;  // contact block
        QLabel* Label4 = nullptr;  // credits
        QLabel* Image1 = nullptr;
        QLabel* Image2 = nullptr;
        QLabel* Picture2 = nullptr;
        QPushButton* Command1 = nullptr;  // "OK"
        QTimer* Timer1 = nullptr;
    };
    Ui ui;

    // Timer1 and "OK" both end up here.
    void uebergeben();

    // Esc and the close box hand over as "OK" does: at program start the main window must
    // still come, or the program would run on without any window.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    std::function<void()> m_uebergabe;
    bool m_uebergeben = false;
};

}  // namespace app
