#!/usr/bin/env bash
# Opens what `brainlark-cli export-kvtml` writes with KDE's vocabulary library (the one the vocabulary
# programs open files with) and compares what the library reads with the list. The library folds a line
# break inside a text into a blank, as those programs show it.
# Usage: kvtml-library-check.sh BRAINLARK-CLI WORK-FOLDER SOURCE-FOLDER
set -euo pipefail
cli=$1 work=$2 source=$3
mkdir -p "$work"
bash "$source/tests/fixtures/kvtml/make-kvtml.sh" "$work/make-kvtml"
cat > "$work/list.json" <<'JSON'
{"pairs":[{"question":"кошка","answer":"cat","hint":"a pet"},
          {"question":"<b>x</b> & y","answer":"お茶"},
          {"question":"two\nlines","answer":"one"},
          {"question":"dog","answer":"собака"},
          {"question":"bird","answer":"птица"}],
 "wrongAnswers":[{"question":"кошка","answer":"dog","kind":1},{"question":"кошка","answer":"bird","kind":1}]}
JSON
"$cli" build "$work/list.json" "$work/Animals.fly" --stamp S
"$cli" export-kvtml "$work/Animals.fly" "$work/animals.kvtml"
mkdir -p -m 700 "$work/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime "$work/make-kvtml" dump "$work/animals.kvtml" > "$work/read.txt"
cat > "$work/expected.txt" <<'TEXT'
language 0 Question
language 1 Answer
entry Animals | кошка | cat
comment 0 a pet
choices 1 dog | bird
entry Animals | <b>x</b> & y | お茶
entry Animals | two lines | one
entry Animals | dog | собака
entry Animals | bird | птица
TEXT
diff -u "$work/expected.txt" "$work/read.txt"
echo "kvtml-library-check: the vocabulary library reads the export as written"
