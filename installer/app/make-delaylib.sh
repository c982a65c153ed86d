#!/bin/sh
# make-delaylib.sh NM DLLTOOL AR IMPORT_LIB DLL_NAME WORK_DIR OUTPUT
# Writes a delay-load import library for DLL_NAME that answers for every function of mingw's
# ordinary import library IMPORT_LIB: the function list (with its stdcall decorations) comes
# from that library, so any function the program or a dependency uses is covered, and the
# library can stand in for the ordinary one wherever the linker meets "-l<name>". The loader
# helper (__delayLoadHelper2) comes with mingw's runtime (libmingwex). Members of the import
# library that are not import stubs (gdiplus's GUIDs and helpers) are copied over unchanged.
set -eu
nm=$1 dlltool=$2 ar=$3 implib=$4 dll=$5 work=$6 out=$7
mkdir -p "$work"
def="$work/$(basename "$out" .a).def"
{
  echo "LIBRARY $dll"
  echo "EXPORTS"
  "$nm" "$implib" | sed -n 's/^[0-9a-f]* T _\([A-Za-z_][A-Za-z0-9_@]*\)$/\1/p' | sort -u
} > "$def.tmp"
mv "$def.tmp" "$def"
rm -f "$out"
"$dlltool" --kill-at --input-def "$def" --dllname "$dll" --output-delaylib "$out"
extra=$("$ar" t "$implib" | grep -Ev '^lib.*(s[0-9]+|h|t)\.o$' || true)
if [ -n "$extra" ]; then
  dir="$work/extra-$(basename "$out" .a)"
  rm -rf "$dir" && mkdir -p "$dir"
  (cd "$dir" && "$ar" x "$implib" $extra)
  (cd "$dir" && "$ar" rs "$out" $extra)
  rm -rf "$dir"
fi
