#!/usr/bin/env bash
# Keeps the folders true to the layers: a file may include only from its own folder and the
# folders below it. Run by ctest; with a folder argument it checks that tree instead.
#
#   core <- units <- engine, heatload <- texts, settings <- report <- pages/<page> <- ui <- app
#
# A page never includes another page, and nothing below ui/ includes a Qt Widgets, Print
# Support, Charts or Svg header (report/ may use Qt Gui).
set -uo pipefail
root="${1:-$(cd "$(dirname "$0")/.." && pwd)}"

# The folders a folder may include from, besides itself.
allowed() {
    case "$1" in
    core) echo "" ;;
    units) echo "core" ;;
    engine | heatload) echo "core units" ;;
    texts) echo "core" ;;
    settings) echo "core units" ;;
    report) echo "core units engine texts settings" ;;
    pages/*) echo "core units engine heatload texts settings report" ;;
    ui) echo "core units engine heatload texts settings report pages" ;;
    app) echo "core units engine heatload texts settings report pages ui app" ;;
    esac
}

# Headers of Qt modules a folder must not reach for (a sample of Gui, Widgets and Print
# Support, and all of Charts and Svg; the link lines keep the rest out).
forbidden_qt() {
    local widgets='QWidget|QApplication|QMainWindow|QDialog|QMessageBox|QPrinter|QPrintDialog'
    local charts='QChart[A-Za-z]*|QSvg[A-Za-z]*|QtCharts/[A-Za-z]+|QtSvg/[A-Za-z]+'
    local gui='QGuiApplication|QPainter|QPixmap|QImage|QFont|QColor|QPdfWriter|QTextDocument|QDesktopServices'
    case "$1" in
    ui | app) echo "" ;;
    report) echo "$widgets|$charts" ;;
    *) echo "$widgets|$charts|$gui" ;;
    esac
}

status=0
layer_of() {
    case "$1" in
    pages/*) echo "$1" | cut -d/ -f1-2 ;;
    *) echo "${1%%/*}" ;;
    esac
}

while IFS= read -r file; do
    rel="${file#"$root"/}"
    layer=$(layer_of "$rel")
    permitted=$(allowed "$layer")
    while IFS= read -r line; do
        [ -n "$line" ] || continue
        lineno="${line%%:*}"
        target="${line#*\"}"
        target="${target%%\"*}"
        target_layer=$(layer_of "$target")
        ok=0
        if [ "$target_layer" = "$layer" ]; then
            ok=1
        else
            for p in $permitted; do
                if [ "$p" = "pages" ] && [[ "$target_layer" == pages/* ]]; then ok=1; fi
                if [ "$p" = "$target_layer" ]; then ok=1; fi
            done
        fi
        if [ $ok -eq 0 ]; then
            echo "$rel:$lineno: $layer/ may not include \"$target\""
            status=1
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
    forbidden=$(forbidden_qt "$layer")
    if [ -n "$forbidden" ]; then
        while IFS= read -r line; do
            [ -n "$line" ] || continue
            echo "$rel:${line%%:*}: $layer/ may not use ${line#*:}"
            status=1
        done < <(grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*<($forbidden)>" "$file")
    fi
done < <(find "$root/core" "$root/units" "$root/engine" "$root/heatload" "$root/texts" \
    "$root/settings" "$root/report" "$root/pages" "$root/ui" "$root/app" \
    \( -name '*.h' -o -name '*.cpp' \) -print 2>/dev/null | sort)

if [ $status -eq 0 ]; then
    echo "layers: every include stays within its layer"
fi
exit $status
