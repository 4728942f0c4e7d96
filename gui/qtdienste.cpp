// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdienste.h"

#include "hilfe_fenster.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

namespace gui {

namespace {

QMessageBox::Icon symbolFuer(Symbol symbol)
{
    switch (symbol) {
    case Symbol::Information: return QMessageBox::Information;
    case Symbol::Warnung: return QMessageBox::Warning;
    case Symbol::Frage: return QMessageBox::Question;
    case Symbol::Kritisch: return QMessageBox::Critical;
    case Symbol::Keins: break;
    }
    return QMessageBox::NoIcon;
}

// Dialog texts use CR LF like the rest of the program (a few a bare CR); a message box wants LF.
QString zeilen(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

std::optional<QString> zeigeDateidialog(QWidget* eltern, const Dateidialog& d, QFileDialog::AcceptMode modus)
{
    QFileDialog dialog(eltern, d.titel);
    // Qt's own dialog: German with Qt's translations, whatever the desktop's dialog would say.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(modus);
    dialog.setFileMode(modus == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filter = QtDienste::namensfilter(d.filter);
    if (!filter.isEmpty()) {
        dialog.setNameFilters(filter);
        if (d.filterIndex >= 1 && d.filterIndex <= filter.size())
            dialog.selectNameFilter(filter.at(d.filterIndex - 1));
        // The list shows the captions as the program gives them ("Alle Dateien (*.*)"); the
        // dialog filters by its own list, in which "*.*" became "*".
        if (auto* typen = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
            const QStringList titel = QtDienste::filtertitel(d.filter);
            for (int i = 0; i < typen->count() && i < titel.size(); ++i)
                typen->setItemText(i, titel.at(i));
        }
    }
    QString endung = d.vorgabeEndung;
    if (endung.startsWith(u'.'))
        endung.remove(0, 1);
    dialog.setDefaultSuffix(endung);
    // A name typed without ending gets the ending of the type chosen in the list, when that
    // type has exactly one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, endung](const QString& typ) {
        static const QRegularExpression eineEndung(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
        const QRegularExpressionMatch treffer = eineEndung.match(typ);
        dialog.setDefaultSuffix(treffer.hasMatch() ? treffer.captured(1) : endung);
    });
    if (!d.ueberschreibenFragen)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!d.dateiname.isEmpty())
        dialog.selectFile(d.dateiname);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void QtDienste::druckknopfAlsOk(QDialog& dialog)
{
    // The dialog only chooses and sets up the printer; its button must not promise a print.
    for (auto* knoepfe : dialog.findChildren<QDialogButtonBox*>())
        for (QAbstractButton* knopf : knoepfe->buttons())
            if (knoepfe->buttonRole(knopf) == QDialogButtonBox::AcceptRole)
                knopf->setText(QCoreApplication::translate("QPlatformTheme", "OK"));
}

bool qtTexteDeutsch(QCoreApplication& anwendung)
{
    // Tempara speaks German on an English system too, its dialogs included. The numbers keep
    // the user's locale (decimal comma or point), so only the texts are switched.
    auto* uebersetzer = new QTranslator(&anwendung);
    if (!uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qt"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

QtDienste::QtDienste() = default;
QtDienste::~QtDienste() = default;

void QtDienste::meldung(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text)
{
    QMessageBox box(symbolFuer(symbol), titel, zeilen(text), QMessageBox::Ok, eltern);
    box.exec();
}

bool QtDienste::frage(QWidget* eltern, Symbol symbol, const QString& titel, const QString& text, bool vorgabeJa)
{
    QMessageBox box(symbolFuer(symbol), titel, zeilen(text), QMessageBox::Yes | QMessageBox::No, eltern);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
    box.setDefaultButton(vorgabeJa ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDienste::dateiOeffnen(QWidget* eltern, const Dateidialog& dialog)
{
    return zeigeDateidialog(eltern, dialog, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDienste::dateiSpeichern(QWidget* eltern, const Dateidialog& dialog)
{
    return zeigeDateidialog(eltern, dialog, QFileDialog::AcceptSave);
}

QStringList QtDienste::namensfilter(const QString& filter)
{
    QStringList ergebnis;
    const QStringList teile = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QString text = teile.at(i).trimmed();
        QString muster = teile.at(i + 1).trimmed();
        muster.replace(QStringLiteral("*.*"), QStringLiteral("*"));
        muster.replace(u';', u' ');
        // Qt reads the patterns from the last parentheses of the text.
        const qsizetype klammer = text.lastIndexOf(u'(');
        if (klammer > 0 && text.endsWith(u')'))
            text = text.left(klammer).trimmed();
        ergebnis << QStringLiteral("%1 (%2)").arg(text, muster);
    }
    return ergebnis;
}

QStringList QtDienste::filtertitel(const QString& filter)
{
    QStringList ergebnis;
    const QStringList teile = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2)
        ergebnis << teile.at(i).trimmed();
    return ergebnis;
}

QPrinter& QtDienste::drucker()
{
    if (!m_drucker)
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_drucker;
}

bool QtDienste::druckerEinrichten(QWidget* eltern)
{
    QPrintDialog dialog(&drucker(), eltern);
    dialog.setWindowTitle(QStringLiteral("Drucker"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    druckknopfAlsOk(dialog);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDienste::bildDrucken(const QImage& bild, QPointF linksObenMm, QSizeF groesseMm)
{
    QPrinter& d = drucker();
    if (d.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty())
        return false;
    return druckeBild(d, bild, linksObenMm, groesseMm);
}

bool QtDienste::druckeBild(QPrinter& drucker, const QImage& bild, QPointF linksObenMm, QSizeF groesseMm)
{
    if (!drucker.isValid())
        return false;
    QPainter maler;
    if (!maler.begin(&drucker))
        return false;
    const double punkteJeMm = drucker.resolution() / 25.4;
    // Without a size the picture keeps its screen size: 96 pixels to the inch.
    const QSizeF mm = groesseMm.width() >= 1 && groesseMm.height() >= 1
                          ? groesseMm
                          : QSizeF(bild.width() * 25.4 / 96.0, bild.height() * 25.4 / 96.0);
    const QRectF ziel(linksObenMm * punkteJeMm, mm * punkteJeMm);
    maler.drawImage(ziel, bild);
    return maler.end();
}

Druckausgang QtDienste::drucken(QWidget* eltern, const Druckauftrag& auftrag)
{
    QPrinter& d = drucker();
    d.setDocName(auftrag.titel);
    d.setFromTo(0, 0);
    // The job's paper (A4 upright unless it says otherwise) unless the user picks other paper in
    // the dialog; the margins stay.
    const QSizeF papier = auftrag.papierMm;
    const bool quer = papier.width() > papier.height();
    d.setPageLayout(QPageLayout(QPageSize(quer ? papier.transposed() : papier, QPageSize::Millimeter),
                                quer ? QPageLayout::Landscape : QPageLayout::Portrait, auftrag.randMm,
                                QPageLayout::Millimeter));
    QPrintDialog dialog(&d, eltern);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return Druckausgang::Abgebrochen;
    if (d.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::availablePrinters().isEmpty())
        return Druckausgang::Fehlgeschlagen;
    return druckeSeiten(d, auftrag) ? Druckausgang::Gedruckt : Druckausgang::Fehlgeschlagen;
}

bool QtDienste::druckeSeiten(QPrinter& drucker, const Druckauftrag& auftrag)
{
    drucker.setPageMargins(auftrag.randMm, QPageLayout::Millimeter);
    if (!drucker.isValid())
        return false;
    QPainter maler;
    if (!maler.begin(&drucker))
        return false;
    const QRectF flaeche(QPointF(0, 0), drucker.pageLayout().paintRectPixels(drucker.resolution()).size());
    for (int seite = 0; seite < auftrag.seiten; ++seite) {
        if (seite > 0 && !drucker.newPage())
            return false;
        auftrag.malen(maler, flaeche, seite);
    }
    return maler.end();
}

void QtDienste::hilfeZeigen(QWidget* eltern, const QString& hilfedatei, int befehl, const QString& stichwort)
{
    Hilfefenster::zeige(eltern, hilfedatei, befehl, stichwort);
}

}  // namespace gui
