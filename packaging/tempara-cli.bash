# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for tempara-cli
_tempara_cli()
{
    local cur prev befehl
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    befehl=${COMP_WORDS[1]}

    if [ "$COMP_CWORD" -eq 1 ]; then
        COMPREPLY=($(compgen -W "pmv stapel bewertung diagramm --help" -- "$cur"))
        return
    fi
    case "$befehl" in
        pmv)
            COMPREPLY=($(compgen -W "--ts-gleich-ti --help" -- "$cur"))
            ;;
        stapel)
            case "$prev" in
                --ausgabe) COMPREPLY=($(compgen -f -- "$cur")); return ;;
                --tabelle) COMPREPLY=($(compgen -f -X '!*.@(csv|CSV)' -- "$cur") $(compgen -d -- "$cur")); return ;;
                --bild) COMPREPLY=($(compgen -f -X '!*.@(png|PNG|svg|SVG)' -- "$cur") $(compgen -d -- "$cur")); return ;;
                --nachweis) COMPREPLY=($(compgen -f -X '!*.@(csv|CSV|pdf|PDF)' -- "$cur") $(compgen -d -- "$cur")); return ;;
                --stunden) COMPREPLY=($(compgen -f -X '!*.@(csv|CSV)' -- "$cur") $(compgen -d -- "$cur")); return ;;
                --nutzung) COMPREPLY=($(compgen -W "buero wohnen" -- "$cur")); return ;;
                --erster-tag) COMPREPLY=($(compgen -W "Mo Di Mi Do Fr Sa So" -- "$cur")); return ;;
                --klimaregion) COMPREPLY=($(compgen -W "A B C" -- "$cur")); return ;;
                --gebaeude) COMPREPLY=($(compgen -W "wohnen nichtwohnen" -- "$cur")); return ;;
                --kategorie) COMPREPLY=($(compgen -W "I II III" -- "$cur")); return ;;
                --toleranz) COMPREPLY=($(compgen -W "3 5" -- "$cur")); return ;;
                --asr-minimum|--projekt|--raum|--bearbeiter) return ;;
                --spalten|--ti|--v-luft|--phi|--aktivitaet|--bekleidung|--bereiche) return ;;
            esac
            if [[ "$cur" == -* ]]; then
                COMPREPLY=($(compgen -W "--spalten --ti --v-luft --phi --aktivitaet --bekleidung --bereiche --ausgabe --ueberschreiben --tabelle --bild --nachweis --stunden --nutzung --erster-tag --klimaregion --gebaeude --kategorie --toleranz --asr-minimum --projekt --raum --bearbeiter --help" -- "$cur"))
            else
                COMPREPLY=($(compgen -f -- "$cur"))
            fi
            ;;
        bewertung)
            case "$prev" in
                --tu|--t-lokal|--v-lokal|--dt-vertikal|--t-boden|--decke-warm|--wand-kalt|--decke-kalt|--wand-warm) return ;;
            esac
            COMPREPLY=($(compgen -W "--ts-gleich-ti --tu --t-lokal --v-lokal --dt-vertikal --t-boden --decke-warm --wand-kalt --decke-kalt --wand-warm --help" -- "$cur"))
            ;;
        diagramm)
            case "$prev" in
                --x|--y) COMPREPLY=($(compgen -W "ti ts v_luft phi m icl" -- "$cur")); return ;;
                --bmp) COMPREPLY=($(compgen -f -X '!*.@(bmp|BMP)' -- "$cur") $(compgen -d -- "$cur")); return ;;
                --xmin|--xmax|--ymin|--ymax|--ti|--ts|--v-luft|--phi|--m|--w|--v-rel|--icl) return ;;
            esac
            COMPREPLY=($(compgen -W "--x --y --xmin --xmax --ymin --ymax --ti --ts --ts-gleich-ti --ts-getrennt --v-luft --phi --m --w --v-rel --icl --bmp --help" -- "$cur"))
            ;;
    esac
}
complete -F _tempara_cli tempara-cli
