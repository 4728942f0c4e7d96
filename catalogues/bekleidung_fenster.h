// SPDX-License-Identifier: GPL-3.0-or-later
// The garment estimator "Bekleidung": a man and a woman are dressed garment by garment;
// the total of either half is taken over as the clothing insulation.
#pragma once

#include "kataloge.h"

class QLabel;

namespace catalogues {

class Bekleidungshaelfte;

class Bekleidung : public Katalogfenster {
    Q_OBJECT

public:
    explicit Bekleidung(gui::Hauptfenster& hauptfenster);

    Bekleidungshaelfte& mann() const { return *m_mann; }
    Bekleidungshaelfte& frau() const { return *m_frau; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void verfolgeZeiger();
    void uebernehmen(const Bekleidungshaelfte& haelfte);

    Bekleidungshaelfte* m_mann = nullptr;
    Bekleidungshaelfte* m_frau = nullptr;
    QLabel* m_nachweis = nullptr;
    int m_halbeBreite = 0;  // pixels
    int m_leisteOben = 0;   // pixels
};

}  // namespace catalogues
