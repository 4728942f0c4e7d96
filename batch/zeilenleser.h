// Reads a text file line by line through a fixed buffer, so that memory stays the same
// however long the file is. Lines end at LF; a CR before it is dropped, and a last line
// without an ending is read as well; a UTF-8 byte-order mark at the start is skipped.
#pragma once

#include <QIODevice>

#include <string>
#include <string_view>
#include <vector>

namespace stapel {

class Zeilenleser {
public:
    explicit Zeilenleser(QIODevice& geraet, std::size_t puffergroesse = 64 * 1024);

    // The next line without its line end; valid until the next call. False at the end.
    bool naechste(std::string_view& zeile);
    // True when reading failed (as opposed to the normal end of the file).
    bool fehler() const { return m_fehler; }

private:
    bool nachladen();

    QIODevice& m_geraet;
    std::vector<char> m_puffer;
    std::size_t m_anfang = 0;
    std::size_t m_ende = 0;
    std::string m_lang;  // a line that reaches over the end of the buffer
    bool m_amEnde = false;
    bool m_ersterBlock = true;
    bool m_fehler = false;
};

}  // namespace stapel
