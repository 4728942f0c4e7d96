// SPDX-License-Identifier: GPL-3.0-or-later
// What every window test shares: the user's hand on a control found by its objectName, the
// contract of a window's controls (objectName, class and place in twips, as other windows, tests
// and help pictures rely on them), and the check that a test left no window open and no scripted
// answer unused.
#pragma once

#include "skriptdienste.h"
#include "twips.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>

// The one control of a window with a given objectName. None or several end the test at once:
// a window test that cannot find its control has nothing left to check.
template <typename T>
T* findeKind(const QObject* eltern, const QString& name)
{
    const QList<T*> treffer = eltern->findChildren<T*>(name);
    if (treffer.size() != 1)
        qFatal("%s: %lld Treffer", qPrintable(name), qlonglong(treffer.size()));
    return treffer.constFirst();
}

inline void klick(QWidget* fenster, const QString& name)
{
    QTest::mouseClick(findeKind<QWidget>(fenster, name), Qt::LeftButton);
}

// The key pressed `anzahl` times on the control, which has the focus first.
inline void tasten(QWidget* fenster, const QString& name, Qt::Key taste, int anzahl = 1)
{
    auto* ziel = findeKind<QWidget>(fenster, name);
    ziel->setFocus();
    for (int i = 0; i < anzahl; ++i)
        QTest::keyClick(ziel, taste);
}

// The field's text replaced by typing.
inline void tippe(QWidget* feld, const QString& text)
{
    feld->setFocus();
    QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(feld, text);
}

// What a label or field shows; several joined by "|".
inline QString textVon(const QObject* fenster, const QString& name)
{
    return findeKind<QWidget>(fenster, name)->property("text").toString();
}
inline QString texteVon(const QObject* fenster, const QStringList& namen)
{
    QStringList texte;
    for (const QString& name : namen)
        texte << textVon(fenster, name);
    return texte.join(u'|');
}

// Runs `schritt` on the modal window that opens next, inside its event loop.
inline void imNaechstenModalen(std::function<void(QWidget*)> schritt)
{
    QTimer::singleShot(0, qApp, [schritt = std::move(schritt)] {
        QVERIFY(QApplication::activeModalWidget());
        schritt(QApplication::activeModalWidget());
    });
}

// One control: objectName, class, left, top, width, height in twips (relative to its parent); a
// negative width for a control placed by a layout, whose place follows the fonts.
struct Steuerelement {
    const char* name;
    const char* klasse;
    int links, oben, breite, hoehe;
};

// Each control exists exactly once, of its class, at its place to the pixel. Fails the test.
inline void pruefeVertrag(const QWidget& fenster, std::initializer_list<Steuerelement> zeilen)
{
    for (const Steuerelement& s : zeilen) {
        const QList<QWidget*> treffer = fenster.findChildren<QWidget*>(QString::fromUtf8(s.name));
        QVERIFY2(treffer.size() == 1, s.name);
        QVERIFY2(qstrcmp(treffer[0]->metaObject()->className(), s.klasse) == 0, s.name);
        const QRect ist = treffer[0]->geometry();
        QVERIFY2(s.breite < 0 || ist == gui::twipsRect(s.links, s.oben, s.breite, s.hoehe),
                 qPrintable(QString::asprintf("%s steht bei %d,%d %dx%d Twips", s.name, ist.x() * gui::kTwipsJePixel,
                                              ist.y() * gui::kTwipsJePixel, ist.width() * gui::kTwipsJePixel,
                                              ist.height() * gui::kTwipsJePixel)));
    }
}

// No top-level window but `erlaubt` is left once a test is done, shown or hidden (windows closed
// with deleteLater are gone first). Call it in cleanup(); it fails the test that leaked and
// removes what it found, so that the next test starts clean.
inline void keineFensterUebrig(std::initializer_list<const QWidget*> erlaubt = {})
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<QWidget*> uebrig;
    QStringList namen;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (std::find(erlaubt.begin(), erlaubt.end(), w) == erlaubt.end()) {
            uebrig << w;
            namen << QStringLiteral("%1 (%2)").arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()));
        }
    qDeleteAll(uebrig);
    QVERIFY2(uebrig.isEmpty(), qPrintable(QStringLiteral("offen geblieben: ") + namen.join(QStringLiteral(", "))));
}

// The end of every window test: each scripted answer used, none missing, no window left.
inline void aufraeumen(SkriptDienste& dienste)
{
    const QStringList fehler = dienste.offeneFehler();
    dienste.zuruecksetzen();
    keineFensterUebrig();
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler.join(u'\n')));
}

// What a test of one window holds: the scripted services and the window, made by the test's init()
// and closed by its cleanup() with `schliessen()`. Numbers read and shown as in Germany.
template <typename Fenster, typename Dienste = SkriptDienste>
class Fenstertest : public QObject {
protected:
    Fenstertest()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // What the program remembers (QSettings) stays in a folder of this test run, never the user's.
        static QTemporaryDir gespeichert;
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, gespeichert.path());
    }

    template <typename T = QWidget>
    T* finde(const QString& name) const
    {
        return findeKind<T>(fenster.get(), name);
    }
    QString text(const QString& name) const { return textVon(fenster.get(), name); }
    void schliessen()
    {
        fenster.reset();
        aufraeumen(dienste);
    }

    Dienste dienste;
    std::unique_ptr<Fenster> fenster;
};
