#!/bin/sh
# Checks that includes point one way through the layers of the program:
#
#   numtext/ -> formulas -> typeset/ -> kit/ -> section windows -> app/
#
# numtext/ is the number text rules; the formulas are the widget-free files
# named formulas.* or *formulas.* in the section folders, and the prime test;
# the practice core (exercises, answers, mastery, record, solutions) ranks with
# the formulas, the practice windows with the sections; typeset/ lays out
# formula markup; kit/ is what every window shares; the
# section windows are the other files of calculators/, geometry/,
# conversions/, numbers/, algebra/ and reference/; app/ puts the program
# together. A file may include its own layer and the layers before it; a
# section window includes no other section's window. A formula includes no Qt
# Gui or Widgets header (the formulas library links Qt Core only, and this
# catches the spelling <QtWidgets/...> that the base include folder would
# still find).
#
# Usage: check-includes.sh [source folder]; prints each include that points
# the wrong way and fails when there is one.

cd "${1:-$(dirname "$0")/..}" || exit 2

# The layer of a file as "rank folder".
layer() {
    case $1 in
    numtext/*) echo "0 numtext" ;;
    numbers/prime.*) echo "1 formulas" ;;
    calculators/*formulas.* | geometry/*formulas.* | conversions/*formulas.* | numbers/*formulas.* | algebra/*formulas.*)
        echo "1 formulas" ;;
    practice/exercises.* | practice/answers.* | practice/mastery.* | practice/record.* | practice/solutions.*) echo "1 formulas" ;;
    typeset/*) echo "2 typeset" ;;
    kit/*) echo "3 kit" ;;
    calculators/* | geometry/* | conversions/* | numbers/* | algebra/* | reference/* | practice/*) echo "4 ${1%%/*}" ;;
    app/*) echo "5 app" ;;
    *) echo "" ;;
    esac
}

failures=0
for file in $(find numtext typeset kit calculators geometry conversions numbers algebra reference practice app \
    -name '*.h' -o -name '*.cpp' | sort); do
    set -- $(layer "$file")
    rank=$1 folder=$2
    # Quoted includes of the project.
    for target in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
        set -- $(layer "$target")
        [ $# -eq 0 ] && continue
        if [ "$1" -gt "$rank" ]; then
            echo "$file includes $target: $folder may not include $2"
            failures=$((failures + 1))
        elif [ "$1" -eq "$rank" ] && [ "$rank" -eq 4 ] && [ "$2" != "$folder" ]; then
            echo "$file includes $target: one section's window does not include another's"
            failures=$((failures + 1))
        fi
    done
    if [ "$rank" -le 1 ] && grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Qt(Gui|Widgets|OpenGL|Svg|PrintSupport)' "$file"; then
        echo "$file includes a Qt Gui or Widgets header: $folder stays widget-free"
        failures=$((failures + 1))
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures include(s) against the direction numtext -> formulas -> typeset -> kit -> sections -> app"
    exit 1
fi
