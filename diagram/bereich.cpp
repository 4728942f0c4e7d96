// SPDX-License-Identifier: GPL-3.0-or-later
#include "bereich.h"

#include "groessen.h"
#include "zahlen.h"

#include <QStringList>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;
using namespace model;

namespace diagram {

namespace {

const QString kZeilenumbruch = QStringLiteral("\r\n");

int signifikanteZiffern(std::string_view text)
{
    int ziffern = 0;
    bool fuehrend = true;
    for (char c : text) {
        if (c == 'e' || c == 'E')
            break;
        if (c < '0' || c > '9')
            continue;
        if (fuehrend && c == '0')
            continue;
        fuehrend = false;
        ++ziffern;
    }
    return ziffern;
}

// One half of the check (x or y): minimum against the stored maximum, then the maximum
// against the new minimum, each clamped to the quantity's limits.
void achsePruefen(float& min, float& max, QString& minFeld, QString& maxFeld, const Groesseninfo& g, QChar achse,
                  const std::function<void(const QString&)>& melden)
{
    const QString a(achse);
    min = bereichsWert(minFeld);
    if (min >= max) {
        melden(a + u"min ist größer als "_s + a + u"max"_s);
        min = max - 10.0f;
    }
    if (min < g.untergrenze) {
        melden(a + u"-Wert ist zu klein!"_s + kZeilenumbruch + a + u"min wird auf "_s + a + u" = "_s
               + bereichsText(g.untergrenze) + u" gesetzt"_s);
        min = g.untergrenze;
    }
    minFeld = bereichsText(min);

    max = bereichsWert(maxFeld);
    if (max <= min) {
        melden(a + u"max ist kleiner als "_s + a + u"min"_s);
        max = min + 10.0f;
    }
    if (max > g.obergrenze) {
        melden(a + u"-Wert ist zu groß!"_s + kZeilenumbruch + a + u"max wird auf "_s + a + u" = "_s
               + bereichsText(g.obergrenze) + u" gesetzt"_s);
        max = g.obergrenze;
    }
    maxFeld = bereichsText(max);
}

}  // namespace

QString bereichsText(float wert)
{
    char puffer[40];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    if (fehler != std::errc() || signifikanteZiffern(std::string_view(puffer, std::size_t(ende - puffer))) > 7)
        ende = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 7).ptr;
    QString text = QString::fromLatin1(puffer, ende - puffer);
    text.replace(u'.', u',');
    text.replace(u'e', u'E');
    return text;
}

float bereichsWert(const QString& feld) { return float(leseFuehrendeZahl(feld)); }

Bereich bereichLesen(const Bereichsfelder& f)
{
    return {bereichsWert(f[0]), bereichsWert(f[1]), bereichsWert(f[2]), bereichsWert(f[3])};
}

void bereichPruefen(Bereich& b, Bereichsfelder& felder, int xGroesse, int yGroesse,
                    const std::function<void(const QString&)>& melden)
{
    achsePruefen(b.Xmin, b.Xmax, felder[0], felder[1], info(xGroesse), u'X', melden);
    achsePruefen(b.Ymin, b.Ymax, felder[2], felder[3], info(yGroesse), u'Y', melden);
}

QString hinweisNichtPositiv(const Bereich& b)
{
    // A negative maximum mirrors its axis and leaves the grid empty, as drawn; only an axis
    // without any scale (a maximum of 0) is worth a word.
    QStringList achsen;
    if (b.Xmax == 0.0f || !std::isfinite(b.Xmax))
        achsen << QStringLiteral("Xmax");
    if (b.Ymax == 0.0f || !std::isfinite(b.Ymax))
        achsen << QStringLiteral("Ymax");
    if (achsen.isEmpty())
        return {};
    return achsen.join(QStringLiteral(" und ")) + u" ist 0:"_s + kZeilenumbruch
           + u"Der Maßstab einer Achse reicht immer von 0 bis zu ihrem Höchstwert."_s + kZeilenumbruch
           + u"Das Diagramm bleibt leer."_s;
}

}  // namespace diagram
