// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the application icon at the usual sizes of the freedesktop icon theme.
// Usage: tempara-ikonen SYMBOL.svg ZIELORDNER GROESSE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication anwendung(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: tempara-ikonen SYMBOL.svg ZIELORDNER GROESSE...\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "tempara-ikonen: %s ist kein lesbares SVG\n", argv[1]);
        return 1;
    }
    const QDir ziel(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int groesse = QByteArray(argv[i]).toInt();
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::Antialiasing);
        svg.render(&maler);
        maler.end();
        const QString ordner = QStringLiteral("%1x%1/apps").arg(groesse);
        ziel.mkpath(ordner);
        if (!bild.save(ziel.filePath(ordner + QStringLiteral("/de.tempara.Tempara.png")))) {
            std::fprintf(stderr, "tempara-ikonen: %s lässt sich nicht schreiben\n", qPrintable(ziel.filePath(ordner)));
            return 1;
        }
    }
    return 0;
}
