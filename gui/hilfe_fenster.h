// SPDX-License-Identifier: GPL-3.0-or-later
// The help viewer: the pages under :/hilfe, a contents list and their keywords.
// "tempara.hlp" is the name under which the program asks for its help.
#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QListWidget;
class QTextBrowser;

namespace gui {

class Dienste;

class Hilfefenster : public QWidget {
    Q_OBJECT

public:
    struct Seite {
        QString pfad;   // "qrc:/hilfe/10_einfuehrung.html"
        QString titel;  // from <title>
        QStringList stichworte;
    };

    // Shows the one help window at the page of `stichwort` (befehl 257), else at the first page.
    static void zeige(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort);
    static Hilfefenster* offenes();

    // Every page in file-name order; the page of a keyword, case-insensitive ("" if none).
    static QList<Seite> seiten();
    static QString seiteFuer(const QString& stichwort);

    explicit Hilfefenster(QWidget* eltern = nullptr);
    void oeffne(const QString& pfad);
    QString aktuelleSeite() const;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void ueberModalemFenster();

    QListWidget* m_inhalt;
    QTextBrowser* m_text;
    QList<Seite> m_seiten;
    QPointer<QWidget> m_traeger;  // the modal window the help stands on
};

// F1 in any window of the program opens the help at that window's page: one filter for the
// whole application, looking the window up by its object name. Windows without an entry
// (the main window has its own F1 in the menu "&Hilfe") keep the key.
class HilfeTaste : public QObject {
public:
    explicit HilfeTaste(Dienste& dienste, QObject* eltern = nullptr);
    // The help keyword for a window's object name ("" if none).
    static QString stichwortFuer(const QString& fenstername);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    Dienste& m_dienste;
};

}  // namespace gui
