// SPDX-License-Identifier: GPL-3.0-or-later
#include "datendatei.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace batch {

namespace {

constexpr qint64 kProbe = 64 * 1024;                 // the bytes the encoding is judged by
constexpr qint64 kHoechstensImSpeicher = 1LL << 30;  // a pipe larger than this is refused

enum class Kodierung { Utf8, Utf16LE, Utf16BE, Utf16OhneMarke, Utf32, Nullbytes, NurCr };

Kodierung kodierungVon(const QByteArray& probe)
{
    // UTF-32 LE's mark begins with UTF-16 LE's, so it is looked for first.
    if (probe.startsWith(QByteArrayView("\xFF\xFE\0\0", 4)) || probe.startsWith(QByteArrayView("\0\0\xFE\xFF", 4)))
        return Kodierung::Utf32;
    if (probe.startsWith("\xFF\xFE"))
        return Kodierung::Utf16LE;
    if (probe.startsWith("\xFE\xFF"))
        return Kodierung::Utf16BE;
    if (probe.contains('\0')) {
        // ASCII text in UTF-16 has a NUL in every other byte.
        qsizetype gerade = 0, ungerade = 0;
        for (qsizetype i = 0; i < probe.size(); ++i)
            (i % 2 ? ungerade : gerade) += probe[i] == '\0';
        const qsizetype haelfte = probe.size() / 2;
        return std::max(gerade, ungerade) * 10 >= haelfte * 9 && std::min(gerade, ungerade) * 10 < haelfte
                   ? Kodierung::Utf16OhneMarke
                   : Kodierung::Nullbytes;
    }
    const qsizetype cr = probe.indexOf('\r');
    if (!probe.contains('\n') && cr >= 0 && cr + 1 < probe.size())
        return Kodierung::NurCr;
    return Kodierung::Utf8;
}

bool istRegulaer(const QString& pfad)
{
#ifdef Q_OS_UNIX
    struct stat s {};
    return ::stat(QFile::encodeName(pfad).constData(), &s) == 0 && S_ISREG(s.st_mode);
#else
    return QFileInfo(pfad).isFile();
#endif
}

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

const QString kSpeichern =
    QStringLiteral("\nBitte speichern Sie die Datei als Text in UTF-8 (oder als \"Unicode-Text\") "
                   "mit Zeilenenden CR LF oder LF.");

}  // namespace

Dateninhalt DatendateiVorbereiten(const QString& pfad)
{
    Dateninhalt d;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return d;
    const bool regulaer = istRegulaer(pfad);
    QByteArray text = regulaer ? datei.read(kProbe) : datei.read(kHoechstensImSpeicher + 1);
    if (!regulaer && text.size() > kHoechstensImSpeicher) {
        d.fehler = QStringLiteral("Die Datendatei\n%1\nist keine gewöhnliche Datei und größer als 1 GiB; "
                                  "sie kann nur einmal gelesen werden und passt nicht in den Speicher.\n"
                                  "Bitte speichern Sie die Daten zuerst in eine Datei.")
                       .arg(nativ(pfad));
        return d;
    }
    const Kodierung k = kodierungVon(text.left(kProbe));
    switch (k) {
    case Kodierung::Utf16OhneMarke:
        d.fehler = QStringLiteral("Die Datendatei\n%1\nist in UTF-16 ohne Byte-Reihenfolge-Markierung gespeichert; "
                                  "so ist nicht sicher zu erkennen, wie sie zu lesen ist.")
                       .arg(nativ(pfad))
                   + kSpeichern;
        return d;
    case Kodierung::Utf32:
        d.fehler = QStringLiteral("Die Datendatei\n%1\nist in UTF-32 gespeichert (mit Byte-Reihenfolge-Markierung); "
                                  "diese Kodierung wird nicht gelesen.")
                       .arg(nativ(pfad))
                   + kSpeichern;
        return d;
    case Kodierung::Nullbytes:
        d.fehler =
            QStringLiteral("Die Datendatei\n%1\nenthält Nullbytes und ist daher keine Textdatei.").arg(nativ(pfad))
            + kSpeichern;
        return d;
    case Kodierung::NurCr:
        d.fehler = QStringLiteral("Die Datendatei\n%1\nhat nur Wagenrückläufe (CR) als Zeilenenden, "
                                  "wie ältere Mac-Programme sie schreiben.")
                       .arg(nativ(pfad))
                   + kSpeichern;
        return d;
    case Kodierung::Utf16LE:
    case Kodierung::Utf16BE: {
        if (regulaer)
            text += datei.readAll();
        QStringDecoder decoder(k == Kodierung::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        const QString inhalt = decoder.decode(QByteArrayView(text).sliced(2));
        if (decoder.hasError()) {
            d.fehler = QStringLiteral("Die Datendatei\n%1\nbeginnt wie eine UTF-16-Datei, enthält aber "
                                      "ungültige Zeichen.")
                           .arg(nativ(pfad))
                       + kSpeichern;
            return d;
        }
        d.inhalt = inhalt.toUtf8();
        return d;
    }
    case Kodierung::Utf8: break;
    }
    if (!regulaer)
        d.inhalt = text;
    return d;
}

std::unique_ptr<QIODevice> DatendateiOeffnen(const QString& pfad, const std::optional<QByteArray>& inhalt)
{
    if (inhalt) {
        auto puffer = std::make_unique<QBuffer>();
        puffer->setData(*inhalt);
        puffer->open(QIODevice::ReadOnly);
        return puffer;
    }
    auto datei = std::make_unique<QFile>(pfad);
    datei->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return datei;
}

QString Lesestoerungsmeldung(const QString& pfad, Lesestoerung stoerung, long long zeile)
{
    switch (stoerung) {
    case Lesestoerung::Nullbyte:
        return QStringLiteral(
                   "Die Zeile %2 der Datendatei\n%1\nenthält Nullbytes; die Datei ist daher keine Textdatei.")
                   .arg(nativ(pfad))
                   .arg(zeile)
               + kSpeichern;
    case Lesestoerung::ZeileZuLang:
        return QStringLiteral("Die Zeile %2 der Datendatei\n%1\nist länger als 1 MiB; eine Datenzeile hat "
                              "höchstens 20 Zahlen.")
                   .arg(nativ(pfad))
                   .arg(zeile)
               + kSpeichern;
    case Lesestoerung::Lesefehler:
    case Lesestoerung::Keine: break;
    }
    return QStringLiteral("Beim Lesen der Datendatei\n%1\nist ein Fehler aufgetreten.").arg(nativ(pfad));
}

}  // namespace batch
