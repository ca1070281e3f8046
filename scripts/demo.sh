#!/usr/bin/env bash
# Sets up the machine (the light Linux layer only), builds, and runs the main jobs on a copy of the
# bundled demo project: a biotope-type transfer, the measure aggregation and an area balance, then
# its results as a table and a GeoPackage.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target tolvar aggregate

project=build/demo-run
rm -rf "$project"
cp -r examples/demo "$project"
tolvar=build/default/tolvar

step() { printf '\n== %s\n' "$*"; }

step "Objects of the demo project"
"$tolvar" "$project" objects

step "BTToGB: BT-001 and BT-002 into GB-001"
"$tolvar" "$project" select BT-001 BT-002 GB-001 , run BTToGB , tree GB-001 , changelist

step "BT_FT_FPToMAS on all measures"
"$tolvar" "$project" select MAS-01 MAS-02 MAS-03 , run BT_FT_FPToMAS , tree MAS-01

step "BerechneBTFlaechen on GB-001"
"$tolvar" "$project" active GB-001 , run BerechneBTFlaechen , tree GB-001

step "Editing the share of a GB-002 row, then BerechneBTFlaechen on GB-002"
"$tolvar" "$project" edit GB-002 BtypHtyp 30 Flaechenanteil 20 , active GB-002 , run BerechneBTFlaechen , tree GB-002

step "GIS files: the measures as a table, the results as a GeoPackage, and a project imported from it"
"$tolvar" "$project" report "$project/massnahmen.csv" , report --balance "$project/bilanz.csv" , \
  export "$project/ergebnis.gpkg" --srs EPSG:25832
head -n 3 "$project/massnahmen.csv"
ogrinfo -q "$project/ergebnis.gpkg"
rm -rf build/demo-import
"$tolvar" build/demo-import import "$project/ergebnis.gpkg" --layer massnahmen --class MAS --kennung kennung , objects

printf '\nThe changed project is in %s.\n' "$project"
