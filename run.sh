#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the example calculations are
# calculated with laytime-cli, their accounts printed, and a PDF report written beside each.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
build_dir=${BUILD_DIR:-build}
cli="$build_dir/src/cli/laytime-cli"
examples="$build_dir/examples"

for json in examples/*.json; do
  name=$(basename "$json" .json)
  file="$examples/$name.ZQL"
  # The tanker example shares its demurrage between the charterers on time.
  options=(--defaults --quiet)
  if [ "$name" = "tanker-prorata-tiered" ]; then
    options+=(--set ProRataCalculation=1)
  fi
  echo "=== $name ($file)"
  "$cli" calc "$file" "${options[@]}"
  pdf="$examples/$name.PDF"
  all=()
  if [ "$name" = "tanker-prorata-tiered" ]; then
    all=(--all)
  fi
  "$cli" report "$file" --pdf "$pdf" "${all[@]}" "${options[@]}"
  echo "Report written to $pdf"
  echo
done
