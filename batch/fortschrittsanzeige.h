// SPDX-License-Identifier: GPL-3.0-or-later
// Work that may take long (counting or evaluating a large data file) runs in a worker thread
// while the windows stay painted. After about half a second a progress dialog "Fortschritt"
// shows how far it is and offers "Abbrechen". The worker reports through atomics only and the
// dialog reads them ten times a second: no widget is touched outside the GUI thread, and the
// core runs at its own pace however busy the event loop is.
#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

class QThread;
class QWidget;

namespace batch {

inline constexpr std::chrono::milliseconds kFortschrittNach{500};

// What the worker reports and what the dialog asks of it.
struct Fortschrittsstand {
    std::atomic<int64_t> erledigt{0};
    std::atomic<int64_t> gesamt{-1};  // −1 while unknown
    std::atomic<bool> abbrechen{false};

    // As the progress callback of the core: stores the figures, says whether to go on.
    bool melden(int64_t fertig, int64_t von)
    {
        erledigt.store(fertig, std::memory_order_relaxed);
        gesamt.store(von, std::memory_order_relaxed);
        return !abbrechen.load(std::memory_order_relaxed);
    }
};

// How the dialog words the work: its caption, and the text while the total is unknown and
// once it is known ("%1 von %2 …", both numbers filled in).
struct Fortschrittstexte {
    QString titel;
    QString ohneGesamt;
    QString mitGesamt;
};

// Waits for the started `arbeiter` to finish. Until the dialog shows (after `zeigenNach`) input
// to the windows is held back, so nothing can be clicked twice; the dialog then is modal to
// the application. "Abbrechen" sets stand.abbrechen and waits until the worker has stopped.
// `gesamt` stands in for a total the worker does not know (−1: none). Returns false when the
// user cancelled.
bool abwarten(QWidget* eltern, QThread& arbeiter, Fortschrittsstand& stand, const Fortschrittstexte& texte,
              int64_t gesamt = -1, std::chrono::milliseconds zeigenNach = kFortschrittNach);

// Runs `arbeit` in a new worker thread and waits for it as abwarten does.
bool imHintergrund(QWidget* eltern, const std::function<void()>& arbeit, Fortschrittsstand& stand,
                   const Fortschrittstexte& texte, int64_t gesamt = -1,
                   std::chrono::milliseconds zeigenNach = kFortschrittNach);

}  // namespace batch
