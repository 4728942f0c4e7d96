// SPDX-License-Identifier: GPL-3.0-or-later
// Reads a text file line by line through a fixed buffer, so that memory stays the same
// however long the file is. Lines end at LF; a CR before it is dropped, and a last line
// without an ending is read as well; a UTF-8 byte-order mark at the start is skipped.
// A NUL byte or a line longer than kLaengsteZeile stops the reading as a fault: such a file
// is no text file of this program, and reading on would give silently wrong values.
#pragma once

#include <QIODevice>

#include <string>
#include <string_view>
#include <vector>

namespace batch {

inline constexpr std::size_t kLaengsteZeile = 1024 * 1024;

enum class Lesestoerung { Keine, Lesefehler, Nullbyte, ZeileZuLang };

class Zeilenleser {
public:
    explicit Zeilenleser(QIODevice& geraet, std::size_t puffergroesse = 64 * 1024);

    // The next line without its line end; valid until the next call. False at the end.
    bool naechste(std::string_view& zeile);
    // True when reading failed (as opposed to the normal end of the file).
    bool fehler() const { return m_stoerung != Lesestoerung::Keine; }
    Lesestoerung stoerung() const { return m_stoerung; }
    // The number of the line read last (1 for the first), also of the faulty one.
    long long zeilennummer() const { return m_zeilennummer; }

private:
    bool nachladen();
    bool zuLang();

    QIODevice& m_geraet;
    std::vector<char> m_puffer;
    std::size_t m_anfang = 0;
    std::size_t m_ende = 0;
    std::string m_lang;  // a line that reaches over the end of the buffer
    bool m_amEnde = false;
    bool m_ersterBlock = true;
    Lesestoerung m_stoerung = Lesestoerung::Keine;
    long long m_zeilennummer = 0;
};

}  // namespace batch
