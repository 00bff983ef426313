#!/bin/bash
# Gathers the player's texts from the code into po/quagleaper.pot and merges them into every
# po/*.po, so that a translator sees what is new. Tr() marks a screen text, System() a text for
# stderr and message boxes, Fill() one with a "%s" that the game fills in, N_() one that waits in
# a table until Tr() shows it.
# A new language: msginit -i po/quagleaper.pot -l CODE -o po/CODE.po, then translate it.
set -euo pipefail
cd "$(dirname "$0")/.."
find src -name '*.cpp' | LC_ALL=C sort | xargs xgettext --from-code=UTF-8 --language=C++ \
    --keyword=Tr --keyword=N_ --keyword=System --keyword=Fill --flag=Fill:1:c-format \
    --package-name=Quagleaper --msgid-bugs-address=maintainers@users.noreply.c-seed-6cacdbe4.example \
    --package-version=1.0.0 --add-comments=TRANSLATORS: --sort-by-file --add-location=file \
    -o po/quagleaper.pot
for po in po/*.po; do
    msgmerge --quiet --update --backup=none "$po" po/quagleaper.pot
done
