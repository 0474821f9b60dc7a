#!/usr/bin/env bash
# The folders are the layers: a folder's code includes only its own headers and those of the
# libraries its CMakeLists.txt links (and what they link in turn). An include that runs up or
# sideways fails here, with the file and the line.
# Usage: layers_check.sh SOURCE_DIR
set -uo pipefail
cd "$1" || exit 2

# The orvanta_* libraries a folder's CMakeLists.txt links, as folder names.
links() {
    tr '\n' ' ' <"$1/CMakeLists.txt" |
        grep -o 'target_link_libraries( *orvanta_[a-z0-9_]*[^)]*)' |
        grep -o 'orvanta_[a-z0-9_]*' | tail -n +2 | sed 's/^orvanta_//' | sort -u
}

folders=()
for cmake in */CMakeLists.txt; do
    folder=${cmake%/CMakeLists.txt}
    grep -q "add_library(orvanta_$folder\b" "$cmake" && folders+=("$folder")
done

failed=0
for folder in "${folders[@]}"; do
    # Everything below the folder: what it links, and what those link, to the bottom.
    allowed=" $folder " todo=$(links "$folder")
    while [[ -n $todo ]]; do
        next=""
        for dep in $todo; do
            [[ $allowed == *" $dep "* ]] && continue
            allowed+="$dep "
            next+=" $(links "$dep")"
        done
        todo=$next
    done
    while IFS=: read -r file line text; do
        used=$(sed -E 's/.*#include "([^/"]+)\/.*/\1/' <<<"$text")
        [[ " ${folders[*]} " == *" $used "* ]] || continue # not one of ours
        if [[ $allowed != *" $used "* ]]; then
            echo "$file:$line: $folder/ includes from $used/, which it does not link: $text"
            failed=1
        fi
    done < <(grep -n '#include "[^"/]*/' "$folder"/*.h "$folder"/*.cpp 2>/dev/null)
done
((failed == 0)) && echo "layers hold: ${folders[*]}"
exit "$failed"
