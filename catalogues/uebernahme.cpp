#include "uebernahme.h"

#include "zahlen.h"

#include <cmath>

using namespace Qt::StringLiterals;

int energieumsatzPosition(int16_t M) { return int(std::lround(double(M) / 5.0)); }

int geschwindigkeitPosition(float v_rel) { return int(std::lround(double(v_rel) / 0.05)); }

int kleidungPosition(float clo)
{
    if (double(clo) > kKleidungScrollMaxClo)
        return kKleidungScrollEnde;
    return int(std::lround(double(clo) * 20.0));
}

QString energieumsatzText(int16_t M) { return formatiereZahl(M, 0) + u" W/m²"_s; }

QString kleidungText(float clo) { return formatiereZahl(clo, 2) + u" clo"_s; }
