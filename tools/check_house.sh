#!/usr/bin/env bash
# Keeps the house rules of the sources in src/ and app/ that a reviewer would
# otherwise check by hand:
#   - no source file longer than 500 lines, no function longer than 60;
#   - <sqlite3.h> included in one file only, and that file under src/book/;
#   - the system's own headers (POSIX: <unistd.h>, <fcntl.h>, <sys/...> and the
#     like; Windows: <windows.h>, <io.h>, <mmsystem.h>) only under
#     src/platform/, so that another desktop system replaces only that folder;
#   - no question of which system the code is built for (#ifdef _WIN32,
#     Q_OS_WIN, __linux__, …) outside src/platform/;
#   - the printer resolution and the printer's failure message defined once
#     (in the print delivery), so that no way to paper drifts from the others;
#   - no QLocale in core/forecast.h: the calculation's header, which nearly
#     every file includes, does not pull in the user's locale;
#   - a person is one value and every number a page shows comes from core/:
#     no ComparedPerson nor PersonEntry beside core::Person, no table of
#     aspect divisors outside core/ (kAspectDivisors), no percentage parsed
#     back from its text (percentOf);
#   - the span of years (twenty after the first) defined once, and the
#     aspect square drawn by one painter (paintSquare) and by no drawSquare;
#   - a person is entered by one widget (src/print/person_fields.cpp): no
#     other file makes a box or a list of its own for a surname, a name, a
#     patronymic, a day, a month or a year of birth (a QLineEdit, QComboBox or
#     QSpinBox kept under such a name), nor fills a list with month names;
#     the card's journal, whose lists are a life event's month and year, is
#     the one file let off;
#   - every target links directly each target whose header it includes. The
#     compiler already refuses a header of a target not linked at all; this
#     catches one reached only through another target's links. The list of
#     who owns which header and links what is written by CMake
#     (include_edges.txt in the build folder; cmake/include_roots.cmake).
# Prints each breach as "file:line: what" and exits 1 when there is any.
# Usage: tools/check_house.sh [SOURCE_ROOT [EDGES]]
#   (default: the repository, and build/default/include_edges.txt if it is there)
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"
root=$(pwd -P)
edges=${2:-}
if [[ -z $edges && -f build/default/include_edges.txt ]]; then
    edges=build/default/include_edges.txt
fi

max_file_lines=500
max_function_lines=60
status=0

mapfile -t files < <(find src app -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)

breach() {
    echo "$1"
    status=1
}

# Files too long.
for file in "${files[@]}"; do
    lines=$(wc -l <"$file")
    if ((lines > max_file_lines)); then
        breach "$file:1: файл длиннее $max_file_lines строк ($lines)"
    fi
done

# Headers in the wrong rooms.
posix='^[[:space:]]*#[[:space:]]*include[[:space:]]*<(unistd\.h|fcntl\.h|sys/[^>]*|dirent\.h|pwd\.h|grp\.h|poll\.h|dlfcn\.h|termios\.h|windows\.h|io\.h|mmsystem\.h)>'
sqlite='^[[:space:]]*#[[:space:]]*include[[:space:]]*<sqlite3\.h>'
which_system='^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif)\b.*\b(_WIN32|_WIN64|WIN32|__MINGW32__|__MINGW64__|_MSC_VER|__linux__|__unix__|__APPLE__|Q_OS_[A-Z]+)\b'
sqlite_files=()
for file in "${files[@]}"; do
    if [[ $file != src/platform/* ]]; then
        while IFS=: read -r line text; do
            breach "$file:$line: системный заголовок вне src/platform/: ${text#*include}"
        done < <(grep -nE "$posix" "$file" || true)
    fi
    if [[ $file != src/platform/* ]]; then
        while IFS=: read -r line text; do
            breach "$file:$line: вопрос о системе вне src/platform/: $text"
        done < <(grep -nE "$which_system" "$file" || true)
    fi
    if grep -qE "$sqlite" "$file"; then
        sqlite_files+=("$file")
        if [[ $file != src/book/* ]]; then
            breach "$file:$(grep -nE "$sqlite" "$file" | head -1 | cut -d: -f1): <sqlite3.h> вне src/book/"
        fi
    fi
done
if ((${#sqlite_files[@]} > 1)); then
    breach "${sqlite_files[1]}:1: <sqlite3.h> включают ${#sqlite_files[@]} файла (${sqlite_files[*]}), а должен один"
fi

# Things that exist once: a second definition is a second way to paper.
once() {
    local pattern=$1 what=$2
    local found
    found=$(grep -nE "$pattern" "${files[@]}" || true)
    local count
    count=$(grep -c . <<<"$found" || true)
    if ((count > 1)); then
        while IFS= read -r hit; do
            breach "${hit%%:*}:$(cut -d: -f2 <<<"$hit"): $what определено $count раза, а должно один"
        done <<<"$found"
    fi
}
once 'Dpi[[:space:]]*=[[:space:]]*600\b|setResolution\(600\)' "разрешение принтера"
once 'готов к работе' "сообщение о принтере"
while IFS=: read -r line _; do
    breach "src/core/forecast.h:$line: QLocale в заголовке расчёта"
done < <(grep -n 'QLocale' src/core/forecast.h || true)

# One way each: the names of the ways that were folded into one.
for gone in ComparedPerson PersonEntry kAspectDivisors percentOf drawSquare; do
    while IFS= read -r hit; do
        breach "${hit%%:*}:$(cut -d: -f2 <<<"$hit"): $gone: этим путём больше не ходят"
    done < <(grep -nw "$gone" "${files[@]}" || true)
done
# One widget enters a person: the fields of a name or a date are made there alone.
person_widget=src/print/person_fields.cpp
# Dates that are not a person's: a life event's month and year, the year the
# turning list is asked for.
not_a_person=(src/ui/book/client_journal_view.cpp src/ui/book/turning_window.cpp)
own_fields='(^|[^[:alnum:]_])(surname|name|patronymic|firstName|lastName|day|month|year)[[:alnum:]_]*[[:space:]]*=[[:space:]]*new[[:space:]]+Q(LineEdit|ComboBox|SpinBox)\b'
month_list='addItems?\(.*[mM]onth[A-Za-z]*\('
for file in "${files[@]}"; do
    if [[ $file == "$person_widget" || " ${not_a_person[*]} " == *" $file "* ]]; then
        continue
    fi
    while IFS=: read -r line _; do
        breach "$file:$line: поле имени или даты вне $person_widget: человека вводят в одном виджете"
    done < <(grep -nE "$own_fields|$month_list" "$file" || true)
done
once 'constexpr[^=]*(Span|Years)[A-Za-z]*[[:space:]]*=[[:space:]]*20\b' "промежуток лет"
# A painter defined at the start of a line of a .cpp file.
painters=$(grep -lE '^[A-Za-z].*[[:space:]]paintSquare\(' $(printf '%s\n' "${files[@]}" | grep '\.cpp$') || true)
if (($(grep -c . <<<"$painters") > 1)); then
    breach "$(head -1 <<<"$painters"):1: квадрат аспектов рисуют несколько функций paintSquare"
fi

# Functions too long. A brace scanner: comments, strings, character literals
# and preprocessor lines are skipped; a brace opened in a namespace or a class
# after a head with parentheses and no "=" outside them (so not a table of
# data or a lambda kept in a variable) starts a function, and everything up to
# its closing brace, lambdas and inner blocks included, is its body.
long_functions=$(awk -v limit="$max_function_lines" -v q="'" '
function classify(head, top,    h, i, c, depth, eq) {
    if (top == "func" || top == "other") return "other"
    h = head
    gsub(/[ \t]+/, " ", h)
    sub(/^ /, "", h)
    sub(/^template ?<[^>]*> ?/, "", h)
    if (h ~ /^(namespace|extern)( |$|")/) return "ns"
    if (h ~ /^(class|struct|union)( |$)/) return "class"
    if (h ~ /^enum( |$)/) return "other"
    if (index(h, "(") == 0) return "other"
    if (h ~ /operator/) return "func"
    depth = 0; eq = 0
    for (i = 1; i <= length(h); i++) {
        c = substr(h, i, 1)
        if (c == "(" || c == "[") depth++
        else if (c == ")" || c == "]") depth--
        else if (c == "=" && depth == 0) eq = 1
    }
    return eq ? "other" : "func"
}
function name_of(head,    h) {
    h = head
    gsub(/[ \t]+/, " ", h)
    sub(/\(.*/, "", h)
    sub(/.* /, "", h)
    return h
}
FNR == 1 { sp = 0; head = ""; comment = 0; continuation = 0 }
{
    line = $0
    if (continuation) { continuation = (line ~ /\\$/); next }
    if (!comment && line ~ /^[ \t]*#/) { continuation = (line ~ /\\$/); next }
    n = length(line)
    for (i = 1; i <= n; i++) {
        c = substr(line, i, 1)
        if (comment) {
            if (c == "*" && substr(line, i + 1, 1) == "/") { comment = 0; i++ }
            continue
        }
        two = substr(line, i, 2)
        if (two == "//") break
        if (two == "/*") { comment = 1; i++; continue }
        if (c == "\"" || (c == q && substr(line, i - 1, 1) !~ /[0-9A-Fa-f]/)) {
            for (i++; i <= n && substr(line, i, 1) != c; i++)
                if (substr(line, i, 1) == "\\") i++
            head = head "_"
            continue
        }
        if (c == "{") {
            top = sp > 0 ? kind[sp] : "ns"
            sp++
            kind[sp] = classify(head, top)
            start[sp] = FNR
            what[sp] = name_of(head)
            head = ""
        } else if (c == "}") {
            if (sp > 0) {
                if (kind[sp] == "func" && FNR - start[sp] + 1 > limit)
                    printf "%s:%d: функция %s длиннее %d строк (%d)\n", FILENAME, start[sp],
                           what[sp], limit, FNR - start[sp] + 1
                sp--
            }
            head = ""
        } else if (c == ";") {
            head = ""
        } else {
            head = head c
        }
    }
    head = head " "
    if (length(head) > 600) head = substr(head, length(head) - 599)
}' "${files[@]}")
if [[ -n $long_functions ]]; then
    echo "$long_functions"
    status=1
fi

# Includes of targets that are not linked directly.
if [[ -n $edges ]]; then
    if [[ ! -r $edges ]]; then
        breach "$edges:1: нет списка связей целей (его пишет CMake при настройке)"
    else
        unlinked=$(awk -v root="$root/" '
$1 == "header" { owner[$2] = $3; next }
$1 == "target" { for (i = 3; i <= NF; i++) linked[$2, $i] = 1; next }
$1 == "source" { sources[++count] = $2 " " $3 }
END {
    for (k = 1; k <= count; k++) {
        split(sources[k], part, " ")
        target = part[1]; file = part[2]; n = 0
        shown = index(file, root) == 1 ? substr(file, length(root) + 1) : file
        while ((getline line < file) > 0) {
            n++
            if (line !~ /^[ \t]*#[ \t]*include[ \t]*"/) continue
            header = line
            sub(/^[^"]*"/, "", header)
            sub(/".*/, "", header)
            if (!(header in owner)) continue
            from = owner[header]
            if (from != target && !((target, from) in linked))
                printf "%s:%d: \"%s\" из %s, но %s не связан с %s в target_link_libraries\n",
                       shown, n, header, from, target, from
        }
        close(file)
    }
}' "$edges" | LC_ALL=C sort -u)
        if [[ -n $unlinked ]]; then
            echo "$unlinked"
            status=1
        fi
    fi
fi

exit $status
