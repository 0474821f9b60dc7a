#!/usr/bin/env bash
# Every text shown to users has a translation in every language shipped: lupdate reads the
# sources into copies of the translation files, which must then hold no unfinished entry (a text
# added or changed since the translations were made) and no text the sources lost. English has
# only its plural forms to give.
# Usage: translations_check.sh LUPDATE TRANSLATIONS_DIR SOURCE_FOLDER...
set -uo pipefail
lupdate=$1 translations=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for ts in "$translations"/orvanta_*.ts; do
    name=${ts##*/}
    cp "$ts" "$work/$name"
    options=(-silent -locations none)
    [[ $name == orvanta_en.ts ]] && options+=(-pluralonly)
    "$lupdate" "${options[@]}" "$@" -ts "$work/$name" >"$work/lupdate.log" 2>&1 ||
        { echo "$name: lupdate failed"; cat "$work/lupdate.log"; failed=1; continue; }
    # The untranslated and the vanished, with their source texts.
    /usr/bin/env python3 - "$work/$name" "$name" <<'PY' || failed=1
import sys, xml.etree.ElementTree as ET
path, name = sys.argv[1:]
bad = []
for context in ET.parse(path).getroot().iter('context'):
    for message in context.iter('message'):
        kind = message.find('translation').get('type')
        if kind in ('unfinished', 'vanished', 'obsolete'):
            bad.append(f"{name}: {kind}: {context.findtext('name')}: {message.findtext('source')!r}")
print('\n'.join(bad) if bad else f"{name}: complete")
sys.exit(1 if bad else 0)
PY
done
exit "$failed"
