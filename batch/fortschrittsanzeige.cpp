// SPDX-License-Identifier: GPL-3.0-or-later
#include "fortschrittsanzeige.h"

#include "zahlen.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace batch {

namespace {

constexpr int kSchritte = 1000;  // the bar in per mille: line counts exceed int
constexpr std::chrono::milliseconds kTakt{100};

QString zahl(int64_t n) { return model::formatiereAnzahl(n); }

void zeigeStand(QProgressDialog& dialog, const Fortschrittsstand& stand, const Fortschrittstexte& texte,
                int64_t ersatzGesamt)
{
    if (stand.abbrechen.load())
        return;
    const int64_t erledigt = stand.erledigt.load(std::memory_order_relaxed);
    int64_t gesamt = stand.gesamt.load(std::memory_order_relaxed);
    if (gesamt < 0)
        gesamt = ersatzGesamt;
    if (gesamt > 0) {
        dialog.setMaximum(kSchritte);
        dialog.setValue(int(std::min<int64_t>(erledigt, gesamt) * kSchritte / gesamt));
        dialog.setLabelText(texte.mitGesamt.arg(zahl(erledigt), zahl(gesamt)));
    } else {
        dialog.setMaximum(0);  // a moving bar: how far is not known yet
        dialog.setValue(0);
        dialog.setLabelText(texte.ohneGesamt.arg(zahl(erledigt)));
    }
}

}  // namespace

bool abwarten(QWidget* eltern, QThread& arbeiter, Fortschrittsstand& stand, const Fortschrittstexte& texte,
              int64_t gesamt, std::chrono::milliseconds zeigenNach)
{
    QEventLoop schleife;
    QObject::connect(&arbeiter, &QThread::finished, &schleife, &QEventLoop::quit);
    if (arbeiter.isFinished())
        return !stand.abbrechen.load();

    // A short run keeps the windows painted without a dialog; clicks wait until it is over.
    QTimer frist;
    frist.setSingleShot(true);
    QObject::connect(&frist, &QTimer::timeout, &schleife, &QEventLoop::quit);
    frist.start(zeigenNach);
    if (zeigenNach.count() > 0)
        schleife.exec(QEventLoop::ExcludeUserInputEvents);
    frist.stop();
    if (arbeiter.isFinished())
        return !stand.abbrechen.load();

    QProgressDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("Fortschritt"));
    dialog.setWindowTitle(texte.titel);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setMinimumWidth(420);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        stand.abbrechen.store(true);
        dialog.setLabelText(QStringLiteral("Wird abgebrochen …"));
    });
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, &dialog, [&] { zeigeStand(dialog, stand, texte, gesamt); });
    zeigeStand(dialog, stand, texte, gesamt);
    dialog.show();
    takt.start(kTakt);
    if (!arbeiter.isFinished())
        schleife.exec();
    takt.stop();
    return !stand.abbrechen.load();
}

bool imHintergrund(QWidget* eltern, const std::function<void()>& arbeit, Fortschrittsstand& stand,
                   const Fortschrittstexte& texte, int64_t gesamt, std::chrono::milliseconds zeigenNach)
{
    std::unique_ptr<QThread> arbeiter(QThread::create(arbeit));
    arbeiter->start();
    const bool fertig = abwarten(eltern, *arbeiter, stand, texte, gesamt, zeigenNach);
    arbeiter->wait();
    return fertig;
}

}  // namespace batch
