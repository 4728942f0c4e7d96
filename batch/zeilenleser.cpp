// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeilenleser.h"

#include <algorithm>
#include <cstring>

namespace batch {

namespace {
std::string_view ohneCr(std::string_view zeile)
{
    if (!zeile.empty() && zeile.back() == '\r')
        zeile.remove_suffix(1);
    return zeile;
}
}  // namespace

Zeilenleser::Zeilenleser(QIODevice& geraet, std::size_t puffergroesse)
    : m_geraet(geraet), m_puffer(puffergroesse < 16 ? 16 : puffergroesse)
{}

bool Zeilenleser::nachladen()
{
    if (m_amEnde)
        return false;
    const qint64 gelesen = m_geraet.read(m_puffer.data(), qint64(m_puffer.size()));
    if (gelesen <= 0) {
        if (gelesen < 0)
            m_stoerung = Lesestoerung::Lesefehler;
        m_amEnde = true;
        return false;
    }
    m_anfang = 0;
    m_ende = std::size_t(gelesen);
    // Editors that save UTF-8 may put its byte-order mark before the first line; it is no
    // character of the line and must not turn a comment or assignment line into data.
    if (m_ersterBlock && m_ende >= 3 && std::memcmp(m_puffer.data(), "\xEF\xBB\xBF", 3) == 0)
        m_anfang = 3;
    m_ersterBlock = false;
    if (std::memchr(m_puffer.data() + m_anfang, '\0', m_ende - m_anfang)) {
        // The line of the NUL byte: the one in progress plus the lines ended before it.
        const char* null = static_cast<const char*>(std::memchr(m_puffer.data() + m_anfang, '\0', m_ende - m_anfang));
        m_zeilennummer += std::count(static_cast<const char*>(m_puffer.data() + m_anfang), null, '\n');
        m_stoerung = Lesestoerung::Nullbyte;
        m_amEnde = true;
        return false;
    }
    return true;
}

bool Zeilenleser::zuLang()
{
    m_stoerung = Lesestoerung::ZeileZuLang;
    m_lang = {};
    return false;
}

bool Zeilenleser::naechste(std::string_view& zeile)
{
    if (fehler())
        return false;
    ++m_zeilennummer;
    bool langeZeile = false;
    m_lang.clear();
    for (;;) {
        if (m_anfang < m_ende) {
            const char* anfang = m_puffer.data() + m_anfang;
            const std::size_t verfuegbar = m_ende - m_anfang;
            const auto* lf = static_cast<const char*>(std::memchr(anfang, '\n', verfuegbar));
            if (lf) {
                const std::size_t laenge = std::size_t(lf - anfang);
                m_anfang += laenge + 1;
                if (!langeZeile) {
                    zeile = ohneCr(std::string_view(anfang, laenge));
                    return true;
                }
                if (m_lang.size() + laenge > kLaengsteZeile + 1)  // + 1: the CR before the LF
                    return zuLang();
                m_lang.append(anfang, laenge);
                zeile = ohneCr(m_lang);
                return true;
            }
            if (m_lang.size() + verfuegbar > kLaengsteZeile + 1)
                return zuLang();
            m_lang.append(anfang, verfuegbar);
            langeZeile = true;
            m_anfang = m_ende;
        }
        if (!nachladen()) {
            if (!langeZeile || fehler()) {
                if (!fehler())
                    --m_zeilennummer;
                return false;
            }
            zeile = ohneCr(m_lang);  // the last line has no line end
            return true;
        }
    }
}

}  // namespace batch
